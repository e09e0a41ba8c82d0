#include "calc/result_notes.h"

#include <gtest/gtest.h>

namespace tavoro {
namespace {

// Which notes a case gets, and their words, are in the golden display lists; a summary cell
// joins them with an ideographic space.
TEST(ResultNotes, JoinedWithAnIdeographicSpace) {
  EXPECT_EQ(JoinedNoteTexts({{"a", "一"}, {"b", "二"}}), "一　二");
}

}  // namespace
}  // namespace tavoro
