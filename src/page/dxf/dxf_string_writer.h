#pragma once

#include <dxflib/dl_writer_ascii.h>

#include <string>

namespace tavoro {

// dxflib's ASCII writer, collecting the drawing in memory instead of a file:
// group codes right-aligned in three columns, CR LF line ends, reals in the
// shortest form that reads back exactly, with a full stop in every locale.
// Strings pass through as bytes, already in the drawing's code page.
class DxfStringWriter final : public DL_WriterA {
 public:
  explicit DxfStringWriter(DL_Codes::version version);

  void dxfReal(int gc, double value) const override;
  void dxfInt(int gc, int value) const override;
  void dxfHex(int gc, int value) const override;
  void dxfString(int gc, const char* value) const override;
  void dxfString(int gc, const std::string& value) const override;

  const std::string& bytes() const { return bytes_; }

 private:
  void GroupCode(int gc) const;

  mutable std::string bytes_;
};

}  // namespace tavoro
