#!/usr/bin/env python3
"""Writes report/reportform.ui, the Qt Designer form of the report dialog.

The report is three fixed A4-like pages built from some two hundred labels in
regular grids, so it is described here once and emitted as a .ui file that
uic, Designer and lupdate all read.  Run it from anywhere:

    python3 tools/gen_reportform_ui.py            # writes report/reportform.ui
    python3 tools/gen_reportform_ui.py -o FILE    # writes FILE
    python3 tools/gen_reportform_ui.py --names    # lists "Class objectName"

The generated file is committed; re-run the script after editing it.

Cell kinds: a caption is static text; a value cell shows "---" (or the
placeholder given) until the report is filled; a mark cell receives a pass or
fail picture; a picture cell is a boxed label with the placeholder picture.
Captions get generated names (caption_N); every other cell is named as the
report code expects.
"""

import argparse
import os
import sys
import xml.etree.ElementTree as ET

QWIDGETSIZE_MAX = 16777215
PAGE_W, PAGE_H = 700, 950
PLACEHOLDER_PICTURE = ":/icons/icons/no1.png"

ALIGN_CENTER = "Qt::AlignCenter"
ALIGN_RIGHT = "Qt::AlignRight|Qt::AlignTrailing|Qt::AlignVCenter"

# --------------------------------------------------------------------------
# Element helpers
# --------------------------------------------------------------------------

_names = {}
_counters = {}


def _register(cls, name):
    if name in _names:
        raise SystemExit("duplicate object name: %s" % name)
    _names[name] = cls


def _next(prefix):
    _counters[prefix] = _counters.get(prefix, 0) + 1
    return "%s_%d" % (prefix, _counters[prefix])


def _value(tag, text=None, **attrs):
    el = ET.Element(tag, {k: str(v) for k, v in attrs.items()})
    if text is not None:
        el.text = str(text)
    return el


def prop(name, value, stdset=True):
    el = ET.Element("property", {"name": name})
    if not stdset:
        el.set("stdset", "0")
    el.append(value)
    return el


def string(text, notr=False):
    el = ET.Element("string")
    if notr:
        el.set("notr", "true")
    if text:
        el.text = text
    return el


def number(n):
    return _value("number", n)


def boolean(b):
    return _value("bool", "true" if b else "false")


def enum(v):
    return _value("enum", v)


def flags(v):
    return _value("set", v)


def size(w, h):
    el = ET.Element("size")
    el.append(_value("width", w))
    el.append(_value("height", h))
    return el


def rect(x, y, w, h):
    el = ET.Element("rect")
    for tag, v in (("x", x), ("y", y), ("width", w), ("height", h)):
        el.append(_value(tag, v))
    return el


def font(pointsize=None, bold=None):
    el = ET.Element("font")
    if pointsize is not None:
        el.append(_value("pointsize", pointsize))
    if bold is not None:
        el.append(_value("weight", 75 if bold else 50))
        el.append(_value("bold", "true" if bold else "false"))
    return el


def bold(on=True):
    return prop("font", font(bold=on))


def sizepolicy(h, v):
    el = ET.Element("sizepolicy", {"hsizetype": h, "vsizetype": v})
    el.append(_value("horstretch", 0))
    el.append(_value("verstretch", 0))
    return el


def locale_pt_br():
    return prop("locale", _value("locale", language="Portuguese", country="Brazil"))


def max_height(h):
    return prop("maximumSize", size(QWIDGETSIZE_MAX, h))


def min_height(h):
    return prop("minimumSize", size(0, h))


def fixed_height(h):
    return [min_height(h), max_height(h)]


def fixed_width(w):
    return [prop("minimumSize", size(w, 0)), prop("maximumSize", size(w, QWIDGETSIZE_MAX))]


def fixed_size(w, h):
    return [prop("minimumSize", size(w, h)), prop("maximumSize", size(w, h))]


def flat(*groups):
    out = []
    for g in groups:
        if isinstance(g, (list, tuple)):
            out.extend(flat(*g))
        elif g is not None:
            out.append(g)
    return out


def widget(cls, name, props=(), lay=None, children=()):
    _register(cls, name)
    el = ET.Element("widget", {"class": cls, "name": name})
    el.extend(flat(props))
    if lay is not None:
        el.append(lay)
    for c in children:
        el.append(c)
    return el


def layout(cls, name, items, props=(), attrs=None):
    """items: elements, or (element, {"row":.., "column":..}) tuples."""
    _register(cls, name)
    el = ET.Element("layout", dict({"class": cls, "name": name}, **(attrs or {})))
    el.extend(flat(props))
    for it in items:
        if isinstance(it, tuple):
            child, pos = it
            item = ET.SubElement(el, "item", {k: str(v) for k, v in pos.items()})
        else:
            child = it
            item = ET.SubElement(el, "item")
        item.append(child)
    return el


def grid(items, props=(), columnstretch=None):
    attrs = {"columnstretch": columnstretch} if columnstretch else None
    return layout("QGridLayout", _next("gridLayout"), items, props, attrs)


def vbox(items, props=()):
    return layout("QVBoxLayout", _next("verticalLayout"), items, props)


def hbox(items, props=()):
    return layout("QHBoxLayout", _next("horizontalLayout"), items, props)


def margins(left=None, top=None, right=None, bottom=None):
    out = []
    for side, v in (("left", left), ("top", top), ("right", right), ("bottom", bottom)):
        if v is not None:
            out.append(prop(side + "Margin", number(v)))
    return out


def spacing(h=None, v=None):
    out = []
    if h is not None:
        out.append(prop("horizontalSpacing", number(h)))
    if v is not None:
        out.append(prop("verticalSpacing", number(v)))
    return out


def spacer(orientation, w, h, size_type=None):
    name = _next("horizontalSpacer" if orientation == "h" else "verticalSpacer")
    _register("Spacer", name)
    el = ET.Element("spacer", {"name": name})
    el.append(prop("orientation", enum("Qt::Horizontal" if orientation == "h" else "Qt::Vertical")))
    if size_type:
        el.append(prop("sizeType", enum("QSizePolicy::" + size_type)))
    el.append(prop("sizeHint", size(w, h), stdset=False))
    return el


def hspacer(w=40, h=20):
    return spacer("h", w, h)


def vspacer(w=20, h=40):
    return spacer("v", w, h)


def at(element, row, column, rowspan=None, colspan=None, alignment=None):
    pos = {"row": row, "column": column}
    if rowspan:
        pos["rowspan"] = rowspan
    if colspan:
        pos["colspan"] = colspan
    if alignment:
        pos["alignment"] = alignment
    return (element, pos)


def hline(name):
    return widget(
        "Line",
        name,
        [
            prop("frameShadow", enum("QFrame::Sunken")),
            prop("orientation", enum("Qt::Horizontal")),
        ],
    )


# --------------------------------------------------------------------------
# Cells
# --------------------------------------------------------------------------

# name -> (class, initial text) of every cell the report code reaches; the
# self-check at the end compares it with what was emitted.
cells = {}


def caption(text, props=(), name=None):
    name = name or _next("caption")
    return widget("QLabel", name, flat(props, prop("text", string(text))))


def heading(text, props=(), name=None):
    return caption(text, flat(bold(), props), name)


def cell(name, text="---", align=ALIGN_CENTER, props=()):
    """A value or mark cell: a label the report writes into."""
    cells[name] = ("QLabel", text)
    p = flat(props, prop("text", string(text)))
    if align:
        p.append(prop("alignment", flags(align)))
    return widget("QLabel", name, p)


def left_cell(name, text="---", props=()):
    return cell(name, text, None, props)


def date_cell(name):
    return cell(name, "01/01/2013", ALIGN_RIGHT)


def picture(name, side):
    cells[name] = ("QLabel", "")
    pixmap = _value("pixmap", PLACEHOLDER_PICTURE, resource="../resources/icons.qrc")
    return widget(
        "QLabel",
        name,
        [
            fixed_size(side, side),
            prop("frameShape", enum("QFrame::Box")),
            # no text property: retranslateUi would set it and clear the picture
            prop("pixmap", pixmap),
            prop("alignment", flags(ALIGN_CENTER)),
        ],
    )


def check(name, text):
    cells[name] = ("QCheckBox", text)
    return widget(
        "QCheckBox", name, [prop("text", string(text)), prop("checked", boolean(True))]
    )


# --------------------------------------------------------------------------
# Rich text of the validity notice, stored the way Designer stores it
# --------------------------------------------------------------------------

HTML_HEAD = (
    '<!DOCTYPE HTML PUBLIC "-//W3C//DTD HTML 4.0//EN" "http://www.w3.org/TR/REC-html40/strict.dtd">\n'
    '<html><head><meta name="qrichtext" content="1" /><style type="text/css">\n'
    "p, li { white-space: pre-wrap; }\n"
    "</style></head><body style=\" font-family:'MS Shell Dlg 2'; font-size:8.25pt; "
    'font-weight:400; font-style:normal;">\n'
)
P_JUSTIFY = (
    '<p align="justify" style=" margin-top:0px; margin-bottom:0px; margin-left:0px; '
    'margin-right:0px; -qt-block-indent:0; text-indent:0px;">'
)
HTML_VALIDITY = (
    HTML_HEAD
    + P_JUSTIFY
    + '<span style=" font-size:9pt;">A validade deste documento é garantida somente pela '
    "assinatura do responsavel técnico.</span></p></body></html>"
)


def text_edit(name, props=()):
    cells[name] = ("QTextEdit", None)
    return widget(
        "QTextEdit",
        name,
        flat(
            prop("frameShape", enum("QFrame::NoFrame")),
            prop("verticalScrollBarPolicy", enum("Qt::ScrollBarAlwaysOff")),
            prop("horizontalScrollBarPolicy", enum("Qt::ScrollBarAlwaysOff")),
            props,
        ),
    )


# --------------------------------------------------------------------------
# Page 1: summary
# --------------------------------------------------------------------------

ATT05, ATT07 = "Atenuacao de 0.5 db", "Atenuacao de 0.7 db"


def equipment_header():
    def cap(text):
        return caption(text, flat(bold(), fixed_width(110)))

    def value(name):
        return left_cell(name, "", [bold(False)])

    items = [
        at(cap("Fabricante:"), 0, 0),
        at(value("labelManufact"), 0, 1),
        at(cap("Local:"), 0, 2),
        at(value("labelLocal"), 0, 3),
        at(cap("Modelo:"), 0, 4),
        at(value("labelModel"), 0, 5),
        at(cap("Instituição:"), 1, 0),
        at(value("labelInstitution"), 1, 1),
        at(cap("ID:"), 1, 2),
        at(value("labelID"), 1, 3),
    ]
    return widget(
        "QWidget",
        "widget",
        [max_height(60), bold()],
        grid(items, flat(margins(0, 0, 0, 0), spacing(v=2))),
    )


def measurement_summary():
    rows = [
        ("Zona Morta", "label_15", "label_30"),
        ("Resolução Axial", "label_20", "label_31"),
        ("Resolução Lateral", "label_21", "label_32"),
        ("Medidas na Veritcal", "label_115", "label_117"),
        ("Medidas na Horizontal:", None, None),
        ("Conjunto à 3cm", "label_116", "label_118"),
        ("Conjunto à 9cm", "label_121", "label_122"),
    ]
    items = [at(caption(ATT05, [prop("alignment", flags(ALIGN_CENTER))]), 0, 1),
             at(caption(ATT07, [prop("alignment", flags(ALIGN_CENTER))]), 0, 2)]
    for r, (text, c05, c07) in enumerate(rows, start=1):
        normal = text.startswith("Conjunto")
        items.append(at(caption(text, [bold(False)] if normal else []), r, 0))
        if c05:
            items.append(at(cell(c05, "" if c05 == "label_115" else "---"), r, 1))
            items.append(at(cell(c07), r, 2))
    return widget("QWidget", "widget_12", [bold()], grid(items, margins(left=0)))


def inspection_summary():
    rows = [
        (1, "Cabo de força", "labelCaboDeForca_2", "Monitor", "labelMonitor_2"),
        (3, "Controles", "labelControles_2", "Botões", "labelBotoes_2"),
        (4, "Filtro de Poeira", "labelFiltroPoeira_2", "Transdutores", "labelTransdutores_2"),
    ]

    def cap(text):
        return caption(text, flat(bold(False), fixed_width(110)))

    items = [at(heading("Inspeções Físicas e Mecânicas"), 0, 0, colspan=4)]
    for r, t1, c1, t2, c2 in rows:
        items += [
            at(cap(t1), r, 0),
            at(left_cell(c1), r, 1),
            at(cap(t2), r, 2),
            at(left_cell(c2), r, 3),
        ]
    return widget("QWidget", "widget_15", [fixed_height(100), bold()], grid(items))


def uniformity_summary():
    explanation = text_edit(
        "textEditImgUnif", [prop("readOnly", boolean(True)), min_height(75), bold(False)]
    )
    items = [
        at(hline("line_4"), 0, 0, colspan=2),
        at(heading("Uniformidade da imagem: ", name="label_4"), 1, 0),
        # the verdict wraps rather than squeezing its caption off the page (the
        # English verdicts are longer than the page is wide)
        at(
            left_cell(
                "labelUniformidadeDaImagem",
                "uniformidade",
                [bold(False), prop("wordWrap", boolean(True))],
            ),
            1,
            1,
        ),
        at(explanation, 2, 0, colspan=2),
    ]
    return widget(
        "QWidget",
        "widget_3",
        [max_height(140), bold()],
        layout("QFormLayout", "formLayout", items, margins(left=0, top=0, bottom=0)),
    )


MASS_SUMMARY = {
    "widget_5": (
        "Massas Anecóicas",
        [
            ("widgetAnecoicas05", "0.5dB", ["label_62", "label_63", "label_64", "label_65"],
             ["label_67", "label_68", "label_69", "label_70"]),
            ("widgetAnecoicas07", "0.7dB", ["label_47", "label_49", "label_50", "label_46"],
             ["label_54", "label_53", "label_52", "label_51"]),
        ],
    ),
    "widget_7": (
        "Massas Hiperecóicas",
        [
            ("widgetHiperecoicas05", "0.5dB", ["label_77", "label_78", "label_79", "label_80"],
             ["label_82", "label_83", "label_84", "label_85"]),
            ("widgetHiperecoicas07", "0.7dB", ["label_92", "label_93", "label_94", "label_95"],
             ["label_97", "label_98", "label_99", "label_100"]),
        ],
    ),
}

DEPTHS = ["2cm", "4cm", "6cm", "8cm"]


def mass_summary(name):
    title, blocks = MASS_SUMMARY[name]
    parts = [heading(title)]
    for block, att, aspect, area in blocks:
        items = [at(caption(att), 0, 0)]
        for c, depth in enumerate(DEPTHS, start=1):
            items.append(at(caption(depth, [prop("alignment", flags(ALIGN_CENTER))]), 0, c))
        items.append(at(caption("Altura/Largura"), 1, 0))
        items.append(at(caption("Área"), 2, 0))
        for c in range(4):
            items.append(at(cell(aspect[c], ""), 1, c + 1))
            items.append(at(cell(area[c], ""), 2, c + 1))
        parts.append(
            widget("QWidget", block, [min_height(80)], grid(items, spacing(6, 12)))
        )
    return widget(
        "QWidget",
        name,
        [min_height(160), bold()],
        vbox(parts, flat(prop("spacing", number(2)), margins(0, 0, 0, 0))),
    )


def page1():
    notice = text_edit(
        "textEdit_2", [fixed_height(60), prop("html", string(HTML_VALIDITY))]
    )
    items = [
        at(
            caption(
                "Controle de Qualidade - Ultrassom modo B",
                [fixed_height(50), prop("font", font(18)), prop("alignment", flags(ALIGN_CENTER))],
                name="label",
            ),
            0, 0, colspan=2,
        ),
        at(equipment_header(), 1, 0, colspan=2),
        at(hline("line_2"), 2, 0, colspan=2),
        at(measurement_summary(), 3, 0, colspan=2),
        at(hline("line_3"), 4, 0, colspan=2),
        at(inspection_summary(), 5, 0, colspan=2),
        at(hline("line_7"), 6, 0, colspan=2),
        at(uniformity_summary(), 7, 0, colspan=2),
        at(hline("line_5"), 8, 0, colspan=2),
        at(mass_summary("widget_5"), 9, 0),
        at(mass_summary("widget_7"), 9, 1),
        at(hline("line_6"), 10, 0, colspan=2),
        at(vspacer(), 11, 0),
        at(notice, 11, 1),
        at(hline("line"), 12, 0, colspan=2),
        at(left_cell("labelResp", "Responsável"), 13, 0),
        at(date_cell("labelDate"), 13, 1),
    ]
    # both columns equally wide, so the two mass blocks match
    return page("frameFormPage1", grid(items, spacing(20, 5), "1,1"))


# --------------------------------------------------------------------------
# Page 2: annex of pictures
# --------------------------------------------------------------------------

PICTURE_BLOCKS = [
    [("Cabo", "labelCaboDeForca", "labelImgCabo"),
     ("Controle", "labelControles", "labelImgControl"),
     ("Filtro", "labelFiltroPoeira", "labelImgFilter")],
    [("Monitor", "labelMonitor", "labelImgMonitor"),
     ("Botões", "labelBotoes", "labelImgButtons"),
     ("Transdutor", "labelTransdutores", "labelImgTransdut")],
]


def page2():
    items = []
    for b, block in enumerate(PICTURE_BLOCKS):
        for c, (text, word, photo) in enumerate(block):
            items += [
                at(caption(text), 3 * b, c),
                at(left_cell(word), 3 * b + 1, c),
                at(picture(photo, 180), 3 * b + 2, c),
            ]
    parts = widget("QWidget", "widget_101", [bold()], grid(items))
    uniformity = widget(
        "QWidget",
        "widget_91",
        [min_height(300), bold()],
        grid(
            [
                at(heading("Uniformidade da Imagem", fixed_height(20), name="label_103"),
                   0, 0, colspan=2),
                at(picture("labelUniformidadeANEXO", 300), 1, 0, colspan=2, alignment="Qt::AlignHCenter"),
                at(vspacer(), 2, 0, colspan=2),
                at(left_cell("labelResp_2", "Resposavel"), 3, 0),
                at(date_cell("labelDate_2"), 3, 1),
            ]
        ),
    )
    items = [
        at(heading("Inspeções Físicas e Mecânicas", fixed_height(20), name="label_102"), 0, 0),
        at(parts, 1, 0),
        at(uniformity, 2, 0),
    ]
    return page("frameFormPage2", grid(items))


# --------------------------------------------------------------------------
# Page 3: measured values
# --------------------------------------------------------------------------


def boxed(name, items):
    return widget(
        "QFrame",
        name,
        [
            prop("frameShape", enum("QFrame::Box")),
            prop("frameShadow", enum("QFrame::Raised")),
        ],
        grid(items, spacing(v=4)),
    )


def transducer_line():
    return widget(
        "QWidget",
        "widget_2",
        [],
        hbox(
            [
                caption("Tipo de Transdutor"),
                left_cell("labelTrandutor"),
                hspacer(),
                caption("Frequência"),
                cell("labelFrequencia"),
            ],
            margins(left=0),
        ),
    )


def measurement_table():
    rows = [
        ("Zona Morta", "label_132", "label_131"),
        ("Resolução Axial", "label_135", "label_130"),
        ("Resolução Lateral", "label_134", "label_138"),
        ("Medidas na Veritcal (média)", "label_141", "label_140"),
        ("Zona Focal:", "label05ZonaFocal", "label07ZonaFocal"),
        ("Máxima Penetração:", "label05MaxPenetracao", "label07MaxPenetracao"),
        ("Medidas na Horizontal:", None, None),
        ("Conjunto à 3cm", "label_145", "label_146"),
        ("Conjunto à 9cm", "label_147", "label_148"),
    ]
    items = [at(caption(ATT05, [prop("alignment", flags(ALIGN_CENTER))]), 0, 1),
             at(caption(ATT07, [prop("alignment", flags(ALIGN_CENTER))]), 0, 2)]
    for r, (text, c05, c07) in enumerate(rows, start=1):
        items.append(at(caption(text), r, 0))
        if c05:
            items.append(at(cell(c05), r, 1))
            items.append(at(cell(c07), r, 2))
    return widget(
        "QFrame",
        "frame_16",
        [prop("frameShape", enum("QFrame::NoFrame"))],
        grid(items, flat(spacing(v=6), margins(left=0, top=0, bottom=0))),
    )


VERTICAL = {
    "frame_3": ("Atenuação de 0.5db",
                [["label_5", "label_11", "label_17"],
                 ["label_159", "label_160", "label_161"],
                 ["label_162", "label_163", "label_164"]]),
    "frame_4": ("Atenuação de 0.7db",
                [["label_154", "label_173", "label_174"],
                 ["label_169", "label_165", "label_168"],
                 ["label_170", "label_171", "label_172"]]),
}
PAIRS = [["1-2", "2-3", "3-4"], ["4-5", "5-6", "6-7"], ["7-8", "8-9", "9-10"]]


def vertical_frame(name):
    title, groups = VERTICAL[name]
    items = [at(caption(title, [prop("alignment", flags(ALIGN_CENTER))]), 0, 0, colspan=6)]
    for g, names in enumerate(groups):
        for r, value in enumerate(names, start=1):
            items.append(at(caption(PAIRS[g][r - 1]), r, 2 * g))
            items.append(at(cell(value), r, 2 * g + 1))
    return boxed(name, items)


HORIZONTAL = {
    "frame_22": ("Conjunto à 3 cm", [["label_263", "label_264", "label_265"],
                                     ["label_268", "label_266", "label_267"]]),
    "frame_23": ("Conjunto à 9 cm", [["label_270", "label_274", "label_269"],
                                     ["label_271", "label_273", "label_272"]]),
}


def horizontal_frame(name):
    title, rows = HORIZONTAL[name]
    centred = [prop("alignment", flags(ALIGN_CENTER))]
    items = [
        at(caption(title, flat(centred, max_height(30))), 0, 0, colspan=4),
        at(caption("Atenuação"), 1, 0),
        at(caption("Distância  (mm)", centred), 1, 1, colspan=3),
    ]
    for c, pair in enumerate(PAIRS[0], start=1):
        items.append(at(caption(pair, centred), 2, c))
    for r, (att, names) in enumerate(zip(["0.5 dB", "0.7 dB"], rows), start=3):
        items.append(at(caption(att), r, 0))
        for c, value in enumerate(names, start=1):
            items.append(at(cell(value), r, c))
    return boxed(name, items)


MASSES = {
    "frame_9": ("0.5 dB", "",
                ["label_180", "label_181", "label_182", "label_183"],
                ["label_187", "label_186", "label_185", "label_184"],
                ["label_188", "label_189", "label_190", "label_191"]),
    "frame_10": ("0.7 dB", "_2",
                 ["label_196", "label_193", "label_203", "label_204"],
                 ["label_198", "label_201", "label_205", "label_195"],
                 ["label_199", "label_197", "label_200", "label_207"]),
    "frame_11": ("0.5 dB", "_3",
                 ["label_212", "label_209", "label_219", "label_220"],
                 ["label_214", "label_217", "label_221", "label_211"],
                 ["label_215", "label_213", "label_216", "label_223"]),
    "frame_12": ("0.7 dB", "_4",
                 ["label_228", "label_225", "label_249", "label_250"],
                 ["label_230", "label_247", "label_251", "label_227"],
                 ["label_245", "label_229", "label_246", "label_253"]),
}


def mass_frame(name):
    att, suffix, height, width, area = MASSES[name]
    items = [at(caption(att), 0, 0)]
    for c, depth in enumerate(DEPTHS, start=1):
        items.append(at(check("checkBox%s%s" % (depth, suffix), depth), 0, c))
    for r, (text, names) in enumerate(
        [("Altura", height), ("Largura", width), ("Área", area)], start=1
    ):
        items.append(at(caption(text), r, 0))
        for c, value in enumerate(names, start=1):
            items.append(at(cell(value), r, c))
    return boxed(name, items)


def page3():
    items = [
        at(transducer_line(), 0, 0, colspan=2),
        at(hline("line_8"), 1, 0, colspan=2),
        at(measurement_table(), 2, 0, colspan=2),
        at(hline("line_9"), 3, 0, colspan=2),
        at(heading("Medidas na vertical (mm)", [max_height(30)], name="label_18"), 4, 0, colspan=2),
        at(vertical_frame("frame_3"), 5, 0),
        at(vertical_frame("frame_4"), 5, 1),
        at(heading("Medidas na Horizontal (mm)", name="label_277"), 6, 0, colspan=2),
        at(horizontal_frame("frame_22"), 7, 0),
        at(horizontal_frame("frame_23"), 7, 1),
        at(heading("Massas Anecoicas (mm)", name="label_278"), 8, 0, colspan=2),
        at(mass_frame("frame_9"), 9, 0),
        at(mass_frame("frame_10"), 9, 1),
        at(heading("Massas Hiperecoica (mm)", name="label_279"), 10, 0, colspan=2),
        at(mass_frame("frame_11"), 11, 0),
        at(mass_frame("frame_12"), 11, 1),
        at(vspacer(), 12, 0, colspan=2),
        at(left_cell("labelResp_3", "Resposável"), 13, 0),
        at(date_cell("labelDate_3"), 13, 1),
    ]
    return page("frameFormPage3", grid(items, flat(spacing(v=4), margins(top=9)), "1,1"), raised=True)


# --------------------------------------------------------------------------
# The dialog
# --------------------------------------------------------------------------


def page(name, lay, raised=False):
    return widget(
        "QFrame",
        name,
        [
            prop("sizePolicy", sizepolicy("Fixed", "Fixed")),
            fixed_size(PAGE_W, PAGE_H),
            prop("frameShape", enum("QFrame::Box")),
            prop("frameShadow", enum("QFrame::Raised" if raised else "QFrame::Plain")),
        ],
        lay,
    )


def dialog():
    pages = [page1(), page2(), page3()]
    contents = widget(
        "QWidget",
        "scrollAreaWidgetContents",
        [prop("styleSheet", string("QWidget{\nbackground-color:white;\n}", notr=True))],
        vbox([at_centre(p) for p in pages], margins(top=9, bottom=9)),
    )
    scroll = widget(
        "QScrollArea",
        "scrollArea",
        [
            locale_pt_br(),
            prop("widgetResizable", boolean(True)),
            prop("alignment", flags(ALIGN_CENTER)),
        ],
        children=[contents],
    )
    bar = widget(
        "QFrame",
        "frame_2",
        [
            max_height(60),
            prop("frameShape", enum("QFrame::StyledPanel")),
            prop("frameShadow", enum("QFrame::Raised")),
        ],
        hbox(
            [
                hspacer(),
                widget("QPushButton", "pushButtonCancel", [prop("text", string("Cancel"))]),
                widget("QPushButton", "pushButtonSave", [prop("text", string("Save"))]),
            ],
            margins(top=9),
        ),
    )
    return widget(
        "QDialog",
        "ReportForm",
        [
            prop("geometry", rect(0, 0, 800, 600)),
            prop("sizePolicy", sizepolicy("Fixed", "Fixed")),
            fixed_size(800, 600),
            locale_pt_br(),
            prop("windowTitle", string("Relatório")),
            prop("sizeGripEnabled", boolean(False)),
            prop("modal", boolean(False)),
        ],
        vbox([scroll, bar], margins(top=9)),
    )


def at_centre(element):
    return (element, {"alignment": "Qt::AlignHCenter"})


def build():
    _names.clear()
    _counters.clear()
    cells.clear()
    root = ET.Element("ui", {"version": "4.0"})
    ET.SubElement(root, "class").text = "ReportForm"
    root.append(dialog())
    resources = ET.SubElement(root, "resources")
    ET.SubElement(resources, "include", {"location": "../resources/icons.qrc"})
    ET.SubElement(root, "connections")
    kinds = {}
    for cls, _ in cells.values():
        kinds[cls] = kinds.get(cls, 0) + 1
    assert kinds == {"QLabel": 171, "QCheckBox": 16, "QTextEdit": 2}, kinds
    return root


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("-o", "--output", default=os.path.join(here, "..", "report", "reportform.ui"))
    parser.add_argument("--names", action="store_true", help="list the cells and exit")
    args = parser.parse_args()
    root = build()
    if args.names:
        for name, (cls, text) in cells.items():
            print(cls, name, repr(text))
        return 0
    ET.indent(root, space=" ")
    data = ET.tostring(root, encoding="unicode")
    with open(args.output, "w", encoding="utf-8", newline="\n") as f:
        f.write('<?xml version="1.0" encoding="UTF-8"?>\n')
        f.write(data)
        f.write("\n")
    return 0


if __name__ == "__main__":
    sys.exit(main())
