"""Reads a DXF file with ezdxf, an independent DXF reader, and prints what
the export tests check as JSON: version, code page, units, the audit's
findings, the layers with their colours, the text styles with their fonts,
the line types with their patterns and every entity of the model space."""
import json
import sys

import ezdxf


def entity(e):
    kind = e.dxftype()
    found = {"type": kind, "layer": e.dxf.layer, "linetype": e.dxf.linetype,
             "lineweight": e.dxf.lineweight}
    if kind == "POLYLINE":
        found["points"] = [[p[0], p[1]] for p in e.points()]
        found["closed"] = e.is_closed
    elif kind == "LWPOLYLINE":
        found["points"] = [[p[0], p[1]] for p in e.get_points("xy")]
        found["closed"] = e.closed
    elif kind == "SOLID":
        found["points"] = [list(e.dxf.get(name))[:2] for name in ("vtx0", "vtx1", "vtx2", "vtx3")]
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
        found["insert"] = list(e.dxf.insert)[:2]
        found["style"] = e.dxf.style
    return found


def main(path):
    doc = ezdxf.readfile(path)
    auditor = doc.audit()
    print(json.dumps({
        "version": doc.dxfversion,
        "encoding": doc.encoding,
        "units": doc.header.get("$INSUNITS", -1),
        "audit_errors": len(auditor.errors),
        "layers": {layer.dxf.name: layer.dxf.color for layer in doc.layers},
        "styles": {style.dxf.name: style.dxf.font for style in doc.styles},
        "linetypes": {lt.dxf.name: [round(x, 6) for x in lt.simplified_line_pattern()]
                      for lt in doc.linetypes},
        "entities": [entity(e) for e in doc.modelspace()],
    }, ensure_ascii=False))


if __name__ == "__main__":
    main(sys.argv[1])
