"""Reads a DXF with ezdxf, an independent reader, and prints what the tests
compare as JSON: the audit's errors and fixes, the header's units, code page and name,
the layers with their indexed and true colours, every LINE, LWPOLYLINE, HATCH, SOLID and TEXT of the model space.

    dxf_reader.py FILE.dxf            the JSON
    dxf_reader.py FILE.dxf PNG DPI    also draws the model space into PNG at
                                      DPI, on an A4 landscape page whose
                                      top-left corner lies 10 mm left of and
                                      above the drawing's origin, as the PDF
                                      export places it
"""
import json
import re
import sys

import ezdxf

# ezdxf 0.18 leaves the \U+XXXX escapes of texts outside the code page as
# they are: decode them here.
ESCAPE = re.compile(r"\\U\+([0-9A-Fa-f]{4})")


def decoded(text):
    return ESCAPE.sub(lambda m: chr(int(m.group(1), 16)), text)


def draw(doc, png, dpi, top_mm):
    import matplotlib

    matplotlib.use("Agg")
    import matplotlib.pyplot as plt
    from ezdxf.addons.drawing import Frontend, RenderContext
    from ezdxf.addons.drawing.matplotlib import MatplotlibBackend
    from ezdxf.addons.drawing.properties import LayoutProperties

    msp = doc.modelspace()
    fig = plt.figure(figsize=(297 / 25.4, 210 / 25.4))
    ax = fig.add_axes([0, 0, 1, 1])
    props = LayoutProperties.from_layout(msp)
    props.set_colors("#ffffff")
    Frontend(RenderContext(doc), MatplotlibBackend(ax)).draw_layout(
        msp, finalize=False, layout_properties=props)
    ax.set_xlim(-10, 287)
    ax.set_ylim(top_mm + 10 - 210, top_mm + 10)
    ax.set_axis_off()
    fig.savefig(png, dpi=dpi, facecolor="white")


def main():
    doc = ezdxf.readfile(sys.argv[1])
    auditor = doc.audit()
    msp = doc.modelspace()
    out = {
        "errors": [str(e.message) for e in auditor.errors],
        "fixes": [str(f.message) for f in auditor.fixes],
        "insunits": doc.header.get("$INSUNITS"),
        "measurement": doc.header.get("$MEASUREMENT"),
        "codepage": doc.header.get("$DWGCODEPAGE"),
        "name": decoded(doc.header.get("$PROJECTNAME", "")),
        "layers": {l.dxf.name: [l.dxf.color, l.rgb] for l in doc.layers},
        "lines": [], "solids": [], "texts": [], "polylines": [], "hatches": [],
    }
    for e in msp:
        kind = e.dxftype()
        bylayer = e.dxf.color == 256
        if kind == "LINE":
            s, t = e.dxf.start, e.dxf.end
            out["lines"].append([s.x, s.y, t.x, t.y, e.dxf.layer, bylayer])
        elif kind == "SOLID":
            corners = [e.dxf.vtx0, e.dxf.vtx1, e.dxf.vtx2, e.dxf.vtx3]
            out["solids"].append([[p.x, p.y] for p in corners] + [e.dxf.layer])
        elif kind == "HATCH":
            loops = [[[edge.start[0], edge.start[1]] for edge in path.edges]
                     for path in e.paths]
            out["hatches"].append([e.dxf.layer, bool(e.dxf.solid_fill), loops])
        elif kind == "LWPOLYLINE":
            out["polylines"].append([e.dxf.layer, e.closed,
                                     [[p[0], p[1]] for p in e.get_points("xy")]])
        elif kind == "TEXT":
            at = e.dxf.align_point
            out["texts"].append([decoded(e.dxf.text), at.x, at.y, e.dxf.height,
                                 e.dxf.valign, e.dxf.halign, e.dxf.layer])
    if len(sys.argv) > 3:
        draw(doc, sys.argv[2], int(sys.argv[3]), float(sys.argv[4]))
    json.dump(out, sys.stdout)


main()
