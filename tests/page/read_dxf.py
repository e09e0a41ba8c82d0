#!/usr/bin/python3
"""Reads a DXF drawing with ezdxf and prints, one fact a line, tab-separated:
version, encoding, each layer, each text (layer, height, rotation, text),
each other entity (type, layer, linetype) and the extents of all entities
(with the texts' outlines as ezdxf works them out)."""
import sys

import ezdxf
from ezdxf import bbox

sys.stdout.reconfigure(encoding="utf-8")
doc = ezdxf.readfile(sys.argv[1])
print("version", doc.dxfversion, sep="\t")
print("encoding", doc.encoding, sep="\t")
for layer in doc.layers:
    print("layer", layer.dxf.name, sep="\t")
msp = doc.modelspace()
for entity in msp:
    kind = entity.dxftype()
    if kind == "TEXT":
        print("text", entity.dxf.layer, entity.dxf.height, entity.dxf.rotation,
              entity.dxf.text, sep="\t")
    else:
        print("entity", kind, entity.dxf.layer, entity.dxf.get("linetype", ""), sep="\t")
box = bbox.extents(msp)
print("extents", box.extmin.x, box.extmin.y, box.extmax.x, box.extmax.y, sep="\t")
