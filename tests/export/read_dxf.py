"""Reads a DXF file with ezdxf, an independent DXF reader, and prints what
the export tests check as JSON: version, code page, the audit's findings,
the layers with their colours and every entity of the model space."""
import json
import sys

import ezdxf


def entity(e):
    kind = e.dxftype()
    found = {"type": kind, "layer": e.dxf.layer}
    if kind == "POLYLINE":
        found["points"] = [[p[0], p[1]] for p in e.points()]
        found["closed"] = e.is_closed
    elif kind == "LINE":
        found["points"] = [list(e.dxf.start)[:2], list(e.dxf.end)[:2]]
    elif kind == "TEXT":
        found["text"] = e.dxf.text
        found["plain"] = e.plain_text()
        found["height"] = e.dxf.height
        found["rotation"] = e.dxf.rotation
        found["halign"] = e.dxf.halign
        found["valign"] = e.dxf.valign
        found["points"] = [list(e.dxf.align_point)[:2]]
    return found


def main(path):
    doc = ezdxf.readfile(path)
    auditor = doc.audit()
    print(json.dumps({
        "version": doc.dxfversion,
        "encoding": doc.encoding,
        "audit_errors": len(auditor.errors),
        "layers": {layer.dxf.name: layer.dxf.color for layer in doc.layers},
        "entities": [entity(e) for e in doc.modelspace()],
    }, ensure_ascii=False))


if __name__ == "__main__":
    main(sys.argv[1])
