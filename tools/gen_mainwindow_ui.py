#!/usr/bin/env python3
"""Writes wizard/mainwindow.ui, the Qt Designer form of the inspection wizard.

The form has more than eighty spin boxes in a handful of regular grids, so it
is described here once and emitted as a .ui file that uic, Designer and
lupdate all read.  Run it from anywhere:

    python3 tools/gen_mainwindow_ui.py            # writes wizard/mainwindow.ui
    python3 tools/gen_mainwindow_ui.py -o FILE    # writes FILE
    python3 tools/gen_mainwindow_ui.py --names    # lists "Class objectName"

The generated file is committed; re-run the script after editing it.
"""

import argparse
import os
import sys
import xml.etree.ElementTree as ET

QWIDGETSIZE_MAX = 16777215

# --------------------------------------------------------------------------
# Element helpers
# --------------------------------------------------------------------------

_names = {}


def _register(cls, name):
    if name in _names:
        raise SystemExit("duplicate object name: %s" % name)
    _names[name] = cls


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


def attribute(name, value, stdset=True):
    el = ET.Element("attribute", {"name": name})
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


def style_sheet(text):
    # style sheets are not user-visible texts: kept out of translation
    return prop("styleSheet", string(text, notr=True))


def number(n):
    return _value("number", n)


def double(x):
    return _value("double", repr(float(x)))


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


def sizepolicy(h, v):
    el = ET.Element("sizepolicy", {"hsizetype": h, "vsizetype": v})
    el.append(_value("horstretch", 0))
    el.append(_value("verstretch", 0))
    return el


def text_prop(text, name="text"):
    return prop(name, string(text))


def max_height(h):
    return prop("maximumSize", size(QWIDGETSIZE_MAX, h))


def max_width(w):
    return prop("maximumSize", size(w, QWIDGETSIZE_MAX))


def min_width(w):
    return prop("minimumSize", size(w, 0))


def fixed_width(w):
    return [min_width(w), max_width(w)]


def widget(cls, name, props=(), layout=None, children=(), attrs=()):
    _register(cls, name)
    el = ET.Element("widget", {"class": cls, "name": name})
    for p in props:
        if isinstance(p, list):
            el.extend(p)
        else:
            el.append(p)
    for a in attrs:
        el.append(a)
    if layout is not None:
        el.append(layout)
    for c in children:
        el.append(c)
    return el


def layout(cls, name, items, props=()):
    """items: list of elements, or (element, {"row":.., "column":..}) tuples."""
    el = ET.Element("layout", {"class": cls, "name": name})
    for p in props:
        el.append(p)
    for it in items:
        if isinstance(it, tuple):
            child, pos = it
            item = ET.SubElement(el, "item", {k: str(v) for k, v in pos.items()})
        else:
            child = it
            item = ET.SubElement(el, "item")
        item.append(child)
    return el


def margins(left, top, right, bottom):
    return [
        prop("leftMargin", number(left)),
        prop("topMargin", number(top)),
        prop("rightMargin", number(right)),
        prop("bottomMargin", number(bottom)),
    ]


def flat(*groups):
    out = []
    for g in groups:
        if isinstance(g, list):
            out.extend(g)
        else:
            out.append(g)
    return out


_spacers = [0]


def spacer(orientation, w, h, size_type=None):
    _spacers[0] += 1
    name = ("horizontalSpacer" if orientation == "h" else "verticalSpacer") + "_%d" % _spacers[0]
    _register("Spacer", name)
    el = ET.Element("spacer", {"name": name})
    el.append(prop("orientation", enum("Qt::Horizontal" if orientation == "h" else "Qt::Vertical")))
    if size_type:
        el.append(prop("sizeType", enum("QSizePolicy::" + size_type)))
    el.append(prop("sizeHint", size(w, h), stdset=False))
    return el


def hspacer(w=40, h=20, size_type=None):
    return spacer("h", w, h, size_type)


def vspacer(w=20, h=40, size_type=None):
    return spacer("v", w, h, size_type)


def label(name, text, props=()):
    return widget("QLabel", name, flat(list(props), text_prop(text)))


def button(name, text, props=()):
    return widget("QPushButton", name, flat(list(props), text_prop(text)))


def hline(name, props=()):
    return widget(
        "Line",
        name,
        flat(list(props), prop("orientation", enum("Qt::Horizontal"))),
    )


def sunken_hline(name):
    return widget(
        "Line",
        name,
        [
            prop("frameShadow", enum("QFrame::Sunken")),
            prop("orientation", enum("Qt::Horizontal")),
        ],
    )


def combo(name, items, props=(), current=None):
    el = widget("QComboBox", name, list(props))
    if current is not None:
        el.append(prop("currentIndex", number(current)))
    for text in items:
        item = ET.SubElement(el, "item")
        item.append(text_prop(text))
    return el


# --------------------------------------------------------------------------
# Spin-box settings (decimals, minimum, maximum, single step, value)
# --------------------------------------------------------------------------

ALIGN_RIGHT = "Qt::AlignRight|Qt::AlignTrailing|Qt::AlignVCenter"

SETTINGS = {
    # decimals None: the toolkit default of 2 is kept
    "frequency": dict(decimals=1, minimum=1.0, maximum=20.0, step=0.5, value=5.0, align=False),
    "distance": dict(decimals=3, minimum=5.0, maximum=15.0, step=0.001, value=10.0, align=True),
    "focal": dict(decimals=None, minimum=None, maximum=100.0, step=0.001, value=1.0, align=True),
    "depth": dict(decimals=None, minimum=None, maximum=200.0, step=0.001, value=1.0, align=True),
    "mass": dict(decimals=3, minimum=None, maximum=100.0, step=0.001, value=None, align=True),
}

spin_settings = {}


def spin(name, setting):
    s = SETTINGS[setting]
    spin_settings[name] = setting
    props = []
    if s["align"]:
        props.append(prop("alignment", flags(ALIGN_RIGHT)))
    if s["decimals"] is not None:
        props.append(prop("decimals", number(s["decimals"])))
    if s["minimum"] is not None:
        props.append(prop("minimum", double(s["minimum"])))
    if s["maximum"] is not None:
        props.append(prop("maximum", double(s["maximum"])))
    if s["step"] is not None:
        props.append(prop("singleStep", double(s["step"])))
    if s["value"] is not None:
        props.append(prop("value", double(s["value"])))
    return widget("QDoubleSpinBox", name, props)


# --------------------------------------------------------------------------
# Rich texts, stored the way Designer stores a QTextEdit's html property
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

HTML_PHOTO_NOTE = (
    HTML_HEAD
    + P_JUSTIFY
    + '<span style=" font-size:9pt;">*clique nos botões à esquerda para carregar as imagens '
    "do equipamento (opicional).</span></p></body></html>"
)

HTML_VALIDITY_NOTE = (
    HTML_HEAD
    + P_JUSTIFY
    + '<span style=" font-size:11pt; font-weight:600; color:#ff0000;">Obs: </span>'
    '<span style=" font-size:11pt;">A validade do relatório é garantida somente pela '
    "assinatura do responsável técnico devidamente credenciado. O controle de qualidade "
    "não é garantido por este software.</span></p></body></html>"
)

LABEL_UNIFORM = "<html><head/><body><p>Explique brevemente:</p></body></html>"

# --------------------------------------------------------------------------
# Items
# --------------------------------------------------------------------------


def rating_items(great="Otimo"):
    return ["----------------", great, "Bom", "Regular", "Ruim", "Péssimo"]


MM_ITEMS = ["----------", "1mm", "2mm", "3mm", "4mm", "5mm"]
AXIAL_ITEMS = ["----------", "<0.5mm", "1mm", "2mm", "3mm", "4mm", "5mm"]
PART_ITEMS = ["Cabos de força", "Monitor", "Controles", "Botões", "Filtro de poeira", "Transdutores"]
UNIFORMITY_ITEMS = [
    "----------------------------",
    "Imagem uniforme",
    "Apresenta poucas inomogeneidades sem que comprometa o diagnóstico",
    "Apresenta grandes inomogeneidades",
]

tab_order = []

# --------------------------------------------------------------------------
# The frame of the window: title bar of the wizard and the stack
# --------------------------------------------------------------------------


def top_bar():
    tab_order.extend(["pushButtonPrevious", "pushButtonNext"])
    return widget(
        "QWidget",
        "widget_2",
        [max_height(60), style_sheet("")],
        layout(
            "QHBoxLayout",
            "horizontalLayout",
            [
                label("labelStep", "Equipamento", [prop("font", font(14))]),
                hspacer(),
                label("labelStep2", "1 / 8", [prop("font", font(14))]),
                button("pushButtonPrevious", "Anterior"),
                button("pushButtonNext", "Próximo"),
            ],
        ),
    )


def page_equipment():
    tab_order.extend(
        ["tableView", "pushButtonNewRecord", "pushButtonEdit", "pushButtonDeleteRecord", "comboBox"]
    )
    table = widget(
        "QTableView",
        "tableView",
        [
            prop("dragEnabled", boolean(True)),
            prop("dragDropOverwriteMode", boolean(False)),
            prop("alternatingRowColors", boolean(True)),
            prop("selectionMode", enum("QAbstractItemView::SingleSelection")),
            prop("selectionBehavior", enum("QAbstractItemView::SelectRows")),
            prop("sortingEnabled", boolean(True)),
        ],
        attrs=[
            attribute("horizontalHeaderCascadingSectionResizes", boolean(False)),
            attribute("horizontalHeaderShowSortIndicator", boolean(True), stdset=False),
            attribute("horizontalHeaderStretchLastSection", boolean(True)),
        ],
    )
    frame = widget(
        "QFrame",
        "frame",
        [
            prop("frameShape", enum("QFrame::NoFrame")),
            prop("frameShadow", enum("QFrame::Raised")),
        ],
        layout(
            "QHBoxLayout",
            "horizontalLayout_2",
            [
                button("pushButtonNewRecord", "Novo"),
                button("pushButtonEdit", "Editar"),
                button("pushButtonDeleteRecord", "Apagar"),
                hspacer(),
                label("label_10", "Idioma"),
                combo("comboBox", ["Português", "Inglês"]),
            ],
            margins(0, 0, 0, 0),
        ),
    )
    return widget("QWidget", "page_1", [], layout("QVBoxLayout", "verticalLayout_2", [table, frame]))


PARTS = [
    ("pushButton3CaboForca", "Cabos de força", "comboBox3cabo"),
    ("pushButtonMonitor", "Monitor", "comboBox3Monitor"),
    ("pushButton3Controles", "Controles", "comboBox3Controles"),
    ("pushButton3Botoes", "Botões", "comboBox3botoes"),
    ("pushButton3Filtro", "Filtro de Poeira", "comboBox3FiltPoeira"),
    ("pushButton3Trasdutores", "Transdutores", "comboBox3Transtud"),
]


def page_physical():
    items = []
    for row, (btn, text, cmb) in enumerate(PARTS):
        tab_order.extend([btn, cmb])
        items.append((button(btn, text, fixed_width(130)), {"row": row, "column": 0}))
        great = "Ótimo" if cmb == "comboBox3cabo" else "Otimo"
        items.append((combo(cmb, rating_items(great), fixed_width(130)), {"row": row, "column": 1}))
    n = len(PARTS)
    items.append((vspacer(), {"row": n, "column": 0, "colspan": 2}))
    items.append((hline("line_5"), {"row": n + 1, "column": 0, "colspan": 2}))
    note = widget(
        "QTextEdit",
        "textEdit_2",
        [
            max_height(71),
            prop("frameShape", enum("QFrame::NoFrame")),
            prop("html", string(HTML_PHOTO_NOTE)),
            prop(
                "textInteractionFlags",
                flags("Qt::TextSelectableByKeyboard|Qt::TextSelectableByMouse"),
            ),
        ],
    )
    items.append((note, {"row": n + 2, "column": 0, "colspan": 2}))
    left = widget(
        "QWidget",
        "widget_9",
        [],
        layout("QGridLayout", "gridLayout", items, [prop("leftMargin", number(0))]),
    )

    tab_order.extend(["comboBoxImage", "pushButtonPartImgClear"])
    right = widget(
        "QWidget",
        "widget_10",
        [],
        layout(
            "QVBoxLayout",
            "verticalLayout_3",
            [
                combo("comboBoxImage", PART_ITEMS, current=0),
                widget(
                    "QLabel",
                    "labelEquipPartImg",
                    [
                        prop("sizePolicy", sizepolicy("Ignored", "Ignored")),
                        style_sheet("QLabel{\nbackground-color:black;\n}"),
                        prop("frameShape", enum("QFrame::StyledPanel")),
                        text_prop(""),
                        prop("alignment", flags("Qt::AlignCenter")),
                    ],
                ),
                button("pushButtonPartImgClear", "Limpar imagem"),
            ],
        ),
    )
    return widget(
        "QWidget", "page_3", [], layout("QHBoxLayout", "horizontalLayout_3", [left, right])
    )


def page_uniformity():
    tab_order.extend(
        [
            "comboBox4ImgUnifor",
            "plainTextEdit4",
            "pushButtonLoadUniImg",
            "pushButtonUniformImgClear",
            "lineEdit4Transdutor",
            "doubleSpinBox4Freq",
        ]
    )
    count = widget(
        "QWidget",
        "widget_15",
        [],
        layout(
            "QHBoxLayout",
            "horizontalLayout_5",
            [
                label(
                    "label_7",
                    "000",
                    [max_width(40), prop("alignment", flags("Qt::AlignCenter"))],
                ),
                label("label_9", "/maximo 120"),
                hspacer(),
            ],
            margins(0, 0, 0, 0),
        ),
    )
    left = widget(
        "QWidget",
        "widget_13",
        [max_width(280)],
        layout(
            "QVBoxLayout",
            "verticalLayout_4",
            [
                combo("comboBox4ImgUnifor", UNIFORMITY_ITEMS),
                label("labelUniform", LABEL_UNIFORM),
                widget(
                    "QPlainTextEdit",
                    "plainTextEdit4",
                    [prop("enabled", boolean(False)), prop("plainText", string(""))],
                ),
                count,
            ],
        ),
    )
    right = widget(
        "QWidget",
        "widget_14",
        [],
        layout(
            "QVBoxLayout",
            "verticalLayout_5",
            [
                layout(
                    "QHBoxLayout",
                    "horizontalLayout_6",
                    [
                        button("pushButtonLoadUniImg", "Carregar imagem"),
                        button("pushButtonUniformImgClear", "Limpar"),
                    ],
                ),
                widget(
                    "QLabel",
                    "labelUniformImg",
                    [
                        prop("sizePolicy", sizepolicy("Ignored", "Ignored")),
                        min_width(300),
                        style_sheet("QLabel{\n\tbackground-color: rgb(0, 0, 0);\n}"),
                        prop("frameShape", enum("QFrame::Box")),
                        text_prop(""),
                        prop("alignment", flags("Qt::AlignCenter")),
                    ],
                ),
            ],
        ),
    )
    bottom = widget(
        "QWidget",
        "widget",
        [],
        layout(
            "QHBoxLayout",
            "horizontalLayout_4",
            [
                label("label_15", "Tipo de transdutor"),
                widget("QLineEdit", "lineEdit4Transdutor", []),
                hspacer(30, 20, "Fixed"),
                label("label_16", "Frequência"),
                spin("doubleSpinBox4Freq", "frequency"),
                label("label_17", "MHz"),
            ],
            [prop("leftMargin", number(0)), prop("rightMargin", number(0))],
        ),
    )
    return widget(
        "QWidget",
        "page_4",
        [],
        layout(
            "QGridLayout",
            "gridLayout_2",
            [
                (left, {"row": 0, "column": 0}),
                (right, {"row": 0, "column": 1}),
                (bottom, {"row": 1, "column": 0, "colspan": 2}),
            ],
        ),
    )


def page_resolution():
    def group(name, title, att, layout_name):
        rows = []
        for caption, key, items in (
            ("Zona Morta", "ZM", MM_ITEMS),
            ("Resolução Axial", "RA", AXIAL_ITEMS),
            ("Resolução Lateral", "RL", MM_ITEMS),
        ):
            rows.append(
                (
                    label("label2_%sdb_%s" % (att, key), caption),
                    {"row": len(rows) // 2, "column": 0},
                )
            )
            rows.append(
                (
                    combo("comboBox2_%sdb_%s" % (att, key), items),
                    {"row": len(rows) // 2, "column": 1},
                )
            )
        return widget(
            "QGroupBox",
            name,
            [prop("title", string(title))],
            layout(
                "QFormLayout",
                layout_name,
                rows,
                [prop("fieldGrowthPolicy", enum("QFormLayout::AllNonFixedFieldsGrow"))],
            ),
        )

    for key in ("ZM", "RA", "RL"):
        tab_order.extend(["comboBox2_07db_" + key, "comboBox2_05db_" + key])
    return widget(
        "QWidget",
        "page_2",
        [],
        layout(
            "QHBoxLayout",
            "horizontalLayout_7",
            [
                group("groupBox_4", "Atenuação de 0.7 db", "07", "formLayout"),
                group("groupBox_3", "Atenuação de 0.5 db", "05", "formLayout_2"),
            ],
        ),
    )


VERTICAL_PAIRS = [
    ("1-2", "12"),
    ("2-3", "23"),
    ("3-4", "34"),
    ("4-5", "45"),
    ("5-6", "56"),
    ("6-7", "67"),
    ("7-8", "78"),
    ("8-9", "89"),
    ("9-10", "910"),
]


def vertical_name(att, key):
    # the 0.5 dB box of pair 2-3 carries the name "30"
    if att == "05" and key == "23":
        key = "30"
    return "doubleSpinBox5_%s_%s" % (att, key)


def vertical_tab(tab_name, title, att):
    grid = []
    for i, (caption, key) in enumerate(VERTICAL_PAIRS):
        group, row = divmod(i, 3)
        col = group * 4
        name = vertical_name(att, key)
        tab_order.append(name)
        grid.append((label("label5_%s_%s" % (att, key), caption), {"row": row, "column": col}))
        grid.append((spin(name, "distance"), {"row": row, "column": col + 1}))
        grid.append((label("label5_%s_%s_mm" % (att, key), "mm"), {"row": row, "column": col + 2}))
        grid.append((hspacer(), {"row": row, "column": col + 3}))
    frame = widget(
        "QFrame",
        "frame5_%s" % att,
        [
            prop("frameShape", enum("QFrame::StyledPanel")),
            prop("frameShadow", enum("QFrame::Raised")),
        ],
        layout("QGridLayout", "gridLayout5_%s" % att, grid),
    )
    lower = []
    for row, (caption, key, setting) in enumerate(
        (("Zona Focal ", "ZF", "focal"), ("Máxima penetração vertical ", "MPV", "depth"))
    ):
        name = "doubleSpinBox5_%s_%s" % (att, key)
        tab_order.append(name)
        lower.append((label("label5_%s_%s" % (att, key), caption), {"row": row, "column": 0}))
        lower.append((hspacer(), {"row": row, "column": 1}))
        lower.append((spin(name, setting), {"row": row, "column": 2}))
        lower.append(
            (label("label5_%s_%s_mm" % (att, key), "mm"), {"row": row, "column": 3})
        )
    return widget(
        "QWidget",
        tab_name,
        [],
        layout(
            "QVBoxLayout",
            "verticalLayout5_%s" % att,
            [
                label("label5_%s_title" % att, "Alvos na vertical", [max_height(30)]),
                frame,
                layout("QGridLayout", "gridLayout5_%s_lower" % att, lower),
                vspacer(),
            ],
        ),
        attrs=[attribute("title", string(title))],
    )


def page_vertical():
    tab_order.append("tabWidget")
    tabs = widget(
        "QTabWidget",
        "tabWidget",
        [prop("currentIndex", number(0))],
        children=[
            vertical_tab("tab", "Atenuação de 0.5dB", "05"),
            vertical_tab("tab_2", "Atenuação de 0.7 dB", "07"),
        ],
    )
    return widget("QWidget", "page_5", [], layout("QVBoxLayout", "verticalLayout_6", [tabs]))


def page_horizontal():
    def heading(depth):
        return widget(
            "QWidget",
            "widget6_%scm" % depth,
            [max_height(40)],
            layout(
                "QHBoxLayout",
                "horizontalLayout6_%scm" % depth,
                [
                    label("label6_%scm_set" % depth, "Conjunto à %s cm" % depth),
                    label("label6_%scm_dist" % depth, "Distância entre os pontos (mm)"),
                ],
                margins(0, 0, 0, 0),
            ),
        )

    def grid(depth):
        items = []
        for col, caption in enumerate(("1-2", "2-3", "3-4")):
            items.append(
                (
                    label(
                        "label6_%scm_%s" % (depth, caption.replace("-", "")),
                        caption,
                        [prop("alignment", flags("Qt::AlignCenter"))],
                    ),
                    {"row": 0, "column": col + 2},
                )
            )
        for row, (caption, att) in enumerate(
            (("Atenuação - 0.5 dB", "05"), ("Atenuação - 0.7 dB", "07")), start=1
        ):
            items.append((label("label6_%scm_%s" % (depth, att), caption), {"row": row, "column": 0}))
            items.append((hspacer(100, 20, "Fixed"), {"row": row, "column": 1}))
            for col, key in enumerate(("12", "23", "34")):
                name = "doubleSpinBox6_%scm_%s_%s" % (depth, att, key)
                tab_order.append(name)
                items.append((spin(name, "distance"), {"row": row, "column": col + 2}))
        return layout("QGridLayout", "gridLayout6_%scm" % depth, items)

    items = [heading("3"), sunken_hline("line6_1"), grid("3")]
    items.append(vspacer(20, 20, "Fixed"))
    items += [
        sunken_hline("line6_2"),
        heading("9"),
        sunken_hline("line6_3"),
        grid("9"),
        vspacer(),
    ]
    return widget("QWidget", "page_6", [], layout("QVBoxLayout", "verticalLayout_7", items))


DEPTHS = ("2", "4", "6", "8")
# (tab, suffix of the check boxes, attenuation digit, mass type, attenuation caption)
MASS_GRIDS = [
    ("tab_3", "", "5", "A", "0.5 dB"),
    ("tab_3", "_1", "7", "A", "0.7 dB"),
    ("tab_4", "_3", "5", "H", "0.5 dB"),
    ("tab_4", "_4", "7", "H", "0.7 dB"),
]


def mass_grid(suffix, att, kind, caption):
    tag = "%s%s" % (att, kind)
    items = [(label("label7_%s" % tag, caption), {"row": 0, "column": 0})]
    for col, depth in enumerate(DEPTHS, start=1):
        box = "checkBox%scm%s" % (depth, suffix)
        items.append(
            (
                widget(
                    "QCheckBox",
                    box,
                    [text_prop("%scm" % depth), prop("checked", boolean(True))],
                ),
                {"row": 0, "column": col},
            )
        )
    items.append(
        (
            hline("line7_%s" % tag, [prop("minimumSize", size(0, 15))]),
            {"row": 1, "column": 0, "colspan": 5},
        )
    )
    for row, (caption_q, q) in enumerate(
        (("Altura (mm)", "A"), ("Largura (mm)", "L"), ("Área (mm2)", "Ar")), start=2
    ):
        items.append((label("label7_%s_%s" % (tag, q), caption_q), {"row": row, "column": 0}))
        for col, depth in enumerate(DEPTHS, start=1):
            items.append(
                (spin("s%s%s%s%s" % (att, kind, q, depth), "mass"), {"row": row, "column": col})
            )
    for depth in DEPTHS:
        tab_order.extend(
            ["checkBox%scm%s" % (depth, suffix)]
            + ["s%s%s%s%s" % (att, kind, q, depth) for q in ("A", "L", "Ar")]
        )
    return widget(
        "QFrame",
        "frame7_%s" % tag,
        [
            prop("frameShape", enum("QFrame::StyledPanel")),
            prop("frameShadow", enum("QFrame::Raised")),
        ],
        layout("QGridLayout", "gridLayout7_%s" % tag, items),
    )


def page_masses():
    tab_order.append("tabWidget_2")
    tabs = []
    for tab_name, title in (("tab_3", "Anecóicas"), ("tab_4", "Hiperecóicas")):
        grids = [mass_grid(s, a, k, c) for (t, s, a, k, c) in MASS_GRIDS if t == tab_name]
        tabs.append(
            widget(
                "QWidget",
                tab_name,
                [],
                layout("QVBoxLayout", "verticalLayout7_%s" % tab_name, grids),
                attrs=[attribute("title", string(title))],
            )
        )
    tab_widget = widget(
        "QTabWidget", "tabWidget_2", [prop("currentIndex", number(0))], children=tabs
    )
    return widget("QWidget", "page", [], layout("QVBoxLayout", "verticalLayout_8", [tab_widget]))


def page_report():
    tab_order.extend(["lineTecResp", "calendarWidget"])
    form = widget(
        "QWidget",
        "widget_11",
        [],
        layout(
            "QFormLayout",
            "formLayout_3",
            [
                (
                    label("label_8", "Responsável:", [min_width(120), prop("font", font(12))]),
                    {"row": 0, "column": 0},
                ),
                (widget("QLineEdit", "lineTecResp", []), {"row": 0, "column": 1}),
                (vspacer(20, 10), {"row": 1, "column": 1}),
                (label("label_11", "Data:", [prop("font", font(12))]), {"row": 2, "column": 0}),
                (
                    widget(
                        "QCalendarWidget",
                        "calendarWidget",
                        [
                            prop("gridVisible", boolean(True)),
                            prop("navigationBarVisible", boolean(True)),
                        ],
                    ),
                    {"row": 2, "column": 1},
                ),
            ],
            [prop("verticalSpacing", number(9))] + margins(0, 9, 0, 5),
        ),
    )
    note = widget(
        "QTextEdit",
        "textEdit",
        [
            prop("autoFillBackground", boolean(False)),
            prop("frameShape", enum("QFrame::NoFrame")),
            prop("autoFormatting", flags("QTextEdit::AutoNone")),
            prop("undoRedoEnabled", boolean(False)),
            prop("lineWrapMode", enum("QTextEdit::WidgetWidth")),
            prop("readOnly", boolean(True)),
            prop("html", string(HTML_VALIDITY_NOTE)),
        ],
    )
    report_button = widget(
        "QPushButton",
        "pushButtonReport",
        [
            prop("enabled", boolean(True)),
            prop("minimumSize", size(140, 40)),
            prop("maximumSize", size(102, QWIDGETSIZE_MAX)),
            prop("focusPolicy", enum("Qt::NoFocus")),
            prop("toolTip", string("Relatorio")),
            text_prop("Gerar Relatório"),
        ],
    )
    bottom = widget(
        "QWidget",
        "widget_12",
        [max_height(100)],
        layout(
            "QHBoxLayout",
            "horizontalLayout_8",
            [note, report_button],
            [prop("leftMargin", number(0)), prop("rightMargin", number(0))],
        ),
    )
    return widget(
        "QWidget",
        "page_7",
        [],
        layout("QVBoxLayout", "verticalLayout_9", [form, vspacer(), bottom]),
    )


def main_window():
    bar = top_bar()
    pages = [
        page_equipment(),
        page_physical(),
        page_uniformity(),
        page_resolution(),
        page_vertical(),
        page_horizontal(),
        page_masses(),
        page_report(),
    ]
    stack = widget(
        "QStackedWidget",
        "stackedWidget",
        [
            prop("sizePolicy", sizepolicy("Preferred", "Preferred")),
            prop("frameShape", enum("QFrame::StyledPanel")),
            prop("frameShadow", enum("QFrame::Plain")),
            prop("currentIndex", number(0)),
        ],
        children=pages,
    )
    icon = ET.Element("iconset", {"resource": "../resources/icons.qrc"})
    normal = ET.SubElement(icon, "normaloff")
    normal.text = ":/icons/LogoZETU.ico"
    normal.tail = ":/icons/LogoZETU.ico"
    central = widget(
        "QWidget",
        "centralWidget",
        [],
        layout(
            "QVBoxLayout",
            "verticalLayout",
            [bar, sunken_hline("line_2"), stack],
            [prop("spacing", number(6))] + margins(11, 11, 11, 11),
        ),
    )
    return widget(
        "QMainWindow",
        "MainWindow",
        [
            prop("geometry", rect(0, 0, 700, 500)),
            prop("sizePolicy", sizepolicy("Fixed", "Fixed")),
            prop("minimumSize", size(700, 500)),
            prop("maximumSize", size(700, 500)),
            prop("windowTitle", string("ZETU")),
            prop("windowIcon", icon),
            prop("locale", _value("locale", language="Portuguese", country="Brazil")),
        ],
        children=[central],
    )


def build():
    _names.clear()
    spin_settings.clear()
    tab_order.clear()
    _spacers[0] = 0
    root = ET.Element("ui", {"version": "4.0"})
    ET.SubElement(root, "class").text = "MainWindow"
    window = main_window()
    root.append(window)
    order = list(tab_order)
    assert order[:2] == ["pushButtonPrevious", "pushButtonNext"]
    ET.SubElement(root, "layoutdefault", {"spacing": "6", "margin": "11"})
    resources = ET.SubElement(root, "resources")
    ET.SubElement(resources, "include", {"location": "../resources/icons.qrc"})
    stops = ET.SubElement(root, "tabstops")
    for name in order:
        assert name in _names, name
        ET.SubElement(stops, "tabstop").text = name
    ET.SubElement(root, "connections")
    counts = {}
    for cls in _names.values():
        counts[cls] = counts.get(cls, 0) + 1
    assert counts["QDoubleSpinBox"] == 83, counts["QDoubleSpinBox"]
    assert len(spin_settings) == 83
    return root


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("-o", "--output", default=os.path.join(here, "..", "wizard", "mainwindow.ui"))
    parser.add_argument("--names", action="store_true", help="list the widgets and exit")
    args = parser.parse_args()
    root = build()
    if args.names:
        for name, cls in _names.items():
            if cls != "Spacer":
                print(cls, name)
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
