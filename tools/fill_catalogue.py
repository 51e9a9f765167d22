#!/usr/bin/env python3
"""Fills the English catalogue.

Takes a translation source produced by lupdate (every message unfinished) and
writes the English text of every message whose Portuguese source the tables
below know, in lupdate's own file layout.  Messages the tables do not know are
left unfinished and empty, so their source shows; table entries that no
message uses are reported too.  Rich-text sources (a whole HTML document as
the form editor writes it) are matched by their visible text, so restyling a
form does not lose the translation; their translations are plain text.

Regenerate the catalogue after a form or a tr() text changed:

    tools/update_catalogue.sh

or by hand:

    lupdate -no-obsolete -locations none -source-language pt_BR \
        -target-language en_US app registry wizard report -ts /tmp/new.ts
    python3 tools/fill_catalogue.py /tmp/new.ts resources/ZETU_en_US.ts

With --add-unused, table entries that no message uses are appended to their
context as if a source held them (rich texts excepted, whose full source is
not known here); useful while the forms that hold them are being written.

Exit status: 0 when every message found its entry and every entry was used
(the known untranslated placeholder aside), 1 otherwise (the file is written
all the same), 2 on bad input.
"""
import html.parser
import re
import sys
import xml.etree.ElementTree as ET

# Portuguese source -> English, by translation context.  None: no translation.
TRANSLATIONS = {
    "InsertEquip": [
        ('Adicionar', 'Add'),
        ('Cancelar', 'Cancel'),
        ('Equipamento', 'Equipment'),
        ('Erro', 'Error'),
        ('Fabricante', 'Manufacturer'),
        ('ID', 'ID'),
        ('Instituição', 'Institution'),
        ('Local', 'Place'),
        ('Modelo', 'Model'),
        ('Não é permitido ID duplicado para a mesma Instituição.', 'It is not allowed a duplicated ID for the same institution.'),
        ('Ok', 'Ok'),
        ('Todos os campos devem ser preenchidos', 'All the fields must be filled'),
        # the refused save of the equipment dialog
        ('Não foi possível salvar o registro no banco de dados.',
         'The record could not be saved to the database.'),
    ],
    "MainWindow": [
        (' não preenchida(s)', ' not filled(s)'),
        ('/maximo 120', '/maximum 120'),
        # left without a translation: the Portuguese source shows in English too
        ('<html><head/><body><p>Explique brevemente:</p></body></html>', None),
        ('Abrir', 'Open'),
        ('Altura (mm)', 'Height (mm)'),
        ('Alvos na vertical', 'Vertical aims'),
        ('Anecóicas', 'Anechoic'),
        ('Anterior', 'Back'),
        ('Apagar', 'Delete'),
        ('Apresenta grandes inomogeneidades', 'It appears a considerable amount of image inhomogeneities'),
        ('Apresenta poucas inomogeneidades sem que comprometa o diagnóstico', 'It appears a few image inhomogeneities which should not offer a risk to the diagnosis'),
        ('Área (mm2)', 'Area (mm2)'),
        ('Arquivos de imagens', 'Image files'),
        ('Atenuação - 0.5 dB', 'Attenuation - 0.5 dB'),
        ('Atenuação - 0.7 dB', 'Attenuation - 0.7 dB'),
        ('Atenuação de 0.5 db', 'Attenuation at 0.5 dB'),
        ('Atenuação de 0.5dB', 'Attenuation at 0.5 dB'),
        ('Atenuação de 0.7 dB', 'Attenuation at 0.7 dB'),
        ('Atenuação de 0.7 db', 'Attenuation at 0.7 dB'),
        ('Bom', 'Good'),
        ('Botões', 'Buttons'),
        ('Cabos de força', 'Power cables'),
        ('Carregar imagem', 'Load image'),
        ('Concluir', 'Finish'),
        ('Conjunto à 3 cm', '3cm points set'),
        ('Conjunto à 9 cm', '9cm points set'),
        ('Controles', 'Controls'),
        ('Data:', 'Date:'),
        ('Distância entre os pontos (mm)', 'Distance between points (mm)'),
        ('Editar', 'Edit'),
        ('Equipamento', 'Equipment'),
        ('Fabricante', 'Manufacturer'),
        ('Filtro de Poeira', 'Dust filter'),
        ('Filtro de poeira', 'Dust filter'),
        ('Frequência', 'Frequency'),
        ('Gerar Relatório', 'Generate Report'),
        ('Hiperecóicas', 'Hyperechoic'),
        ('Idioma', 'Language'),
        ('Imagem uniforme', 'The image is uniform'),
        ('Inglês', 'English'),
        ('Inspeções Físicas e Mecânicas', 'Physical and Mechanical Inspection'),
        ('Instituição', 'Institution'),
        ('Largura (mm)', 'Width (mm)'),
        ('Limpar', 'Clear'),
        ('Limpar imagem', 'Clear image'),
        ('Local', 'Place'),
        ('Massa(s) ', 'Masse(s) '),
        ('Massas', 'Masses'),
        ('Máxima penetração vertical ', 'Maximum vertical depth'),
        ('Medidas na Horizontal', 'Horizontal Measurements'),
        ('Medidas na Vertical', 'Vertical Measurements'),
        ('Modelo', 'Model'),
        ('Novo', 'New'),
        ('Otimo', 'Great'),
        ('Ótimo', 'Great'),
        ('Péssimo', 'Terrible'),
        ('Português', 'Portuguese'),
        ('Preencha o campo de texto\nexplicando a inomogeneidade', 'Fill the text field explaining the inhomogeneity'),
        ('Preencha o campo transdutor', 'Fill the transducer field'),
        ('Prencha o nome do responsável técnico', 'Fill the specialist person name'),
        ('Próximo', 'Next'),
        ('Relatorio', 'Report'),
        ('Relatório', 'Report'),
        ('Resolução Axial', 'Axial Resolution'),
        ('Resolução Lateral', 'Lateral Resolution'),
        ('Responsável:', 'Specialist:'),
        ('Ruim', 'Bad'),
        ('Selecione um equipamento', 'Select an equipment'),
        ('Selecione um valor para a uniformidade', 'Select a value to the uniformity'),
        ('Selecione um valor para cada campo', 'Select a value to each field'),
        ('Tem certeza que deseja remover o registro?', 'Do you really want to remove this record?'),
        ('Tipo de transdutor', 'Transducer type'),
        ('Transdutores', 'Transducers'),
        ('Uniformidade da imagem', 'Image Uniformity'),
        ('Zona Focal ', 'Focal Zone'),
        ('Zona Morta', 'Dead zone'),
        ('Zona Morta / Resolução', 'Dead Zone / Resolution'),
    ],
    "ReportForm": [
        ('/relatorio_zetu.pdf', '/report_zetu.pdf'),
        ('Altura', 'Height'),
        ('Altura/Largura', 'Height/Width'),
        ('Área', 'Area'),
        ('Atenuação', 'Attenuation'),
        ('Atenuacao de 0.5 db', 'Attenuation at 0.5 dB'),
        ('Atenuação de 0.5db', 'Attenuation at 0.5 dB'),
        ('Atenuacao de 0.7 db', 'Attenuation at 0.7 dB'),
        ('Atenuação de 0.7db', 'Attenuation at 0.7 dB'),
        ('Bom', 'Good'),
        ('Botões', 'Buttons'),
        ('Cabo', 'Cable'),
        ('Cabo de força', 'Power cable'),
        ('Conjunto à 3 cm', '3cm points set'),
        ('Conjunto à 3cm', '3cm points set'),
        ('Conjunto à 9 cm', '9cm points set'),
        ('Conjunto à 9cm', '9cm points set'),
        ('Controle', 'Controls'),
        ('Controle de Qualidade - Ultrassom modo B', 'Quality Control - B mode Ultrasound'),
        ('Controles', 'Controls'),
        ('Distância  (mm)', 'Distance (mm)'),
        ('Fabricante:', 'Manufactor:'),
        ('Filtro', 'Filter'),
        ('Filtro de Poeira', 'Dust Filter'),
        ('Frequência', 'Frequency'),
        ('Inspeções Físicas e Mecânicas', 'Physical and Mechanical Inspections'),
        ('Instituição:', 'Institution:'),
        ('Largura', 'Width'),
        ('Local:', 'Place:'),
        ('Massas Anecóicas', 'Anecoic Masses'),
        ('Massas Anecoicas (mm)', 'Anechoic Masses (mm)'),
        ('Massas Hiperecoica (mm)', 'Hyperechoic Masses (mm)'),
        ('Massas Hiperecóicas', 'Hyperechoic Masses'),
        ('Máxima Penetração:', 'Maximum Depth:'),
        ('Medidas na Horizontal (mm)', 'Horizontal Measurements (mm)'),
        ('Medidas na Horizontal:', 'Horizontal Measurements:'),
        ('Medidas na Veritcal', 'Vertical Measurements'),
        ('Medidas na Veritcal (média)', 'Vertical Measurements (mean)'),
        ('Medidas na vertical (mm)', 'Vertical Measurements (mm)'),
        ('Modelo:', 'Model:'),
        ('Ótimo', 'Great'),
        ('Péssimo', 'Terrible'),
        ('Relatório', 'Report'),
        ('Resolução Axial', 'Axial Resolution'),
        ('Resolução Lateral', 'Lateral Resolution'),
        ('Responsável', 'Specialist'),
        ('Resposavel', 'Specialist'),
        ('Ruim', 'Bad'),
        ('Salvar Relatório', 'Save Report'),
        ('Tipo de Transdutor', 'Transducer Type'),
        ('Transdutor', 'Transducer'),
        ('Transdutores', 'Transducer'),
        ('uniformidade', 'uniformity'),
        ('Uniformidade da Imagem', 'Image Uniformity'),
        ('Uniformidade da imagem: ', 'Image uniformity:'),
        ('Zona Focal:', 'Focal Zone:'),
        ('Zona Morta', 'Dead Zone'),
        # the PDF that could not be written
        ('Não foi possível gravar o arquivo PDF.',
         'The PDF file could not be written.'),
    ],

}

# Texts whose English rendering is the source itself.
SAME = {
    "InsertEquip": [],
    "MainWindow": [
        "----------", "----------------", "----------------------------",
        "0.5 dB", "0.7 dB", "000", "1 / 8", "1-2", "1mm", "2-3", "2cm", "2mm",
        "3-4", "3mm", "4-5", "4cm", "4mm", "5-6", "5mm", "6-7", "6cm", "7-8",
        "8-9", "8cm", "9-10", "<0.5mm", "ZETU", "ID", "MHz", "mm", "Monitor",
        "Regular",
    ],
    "ReportForm": [
        "---", "0.5 dB", "0.5dB", "0.7 dB", "0.7dB", "01/01/2013", "1-2",
        "2-3", "2cm", "3-4", "4-5", "4cm", "5-6", "6-7", "6cm", "7-8", "8-9",
        "8cm", "9-10", "Cancel", "ID:", "Monitor", "Regular", "Save",
    ],
}

# Rich-text sources, by visible text (blanks collapsed).
RICH = {
    "MainWindow": [
        ("*clique nos botões à esquerda para carregar as imagens do "
         "equipamento (opicional).",
         "*click on the left buttons to load the equipment images (optional)"),
        ("Obs: A validade do relatório é garantida somente pela assinatura do "
         "responsável técnico devidamente credenciado. O controle de qualidade "
         "não é garantido por este software.",
         "The report's validity is guaranteed only by the signature of the "
         "appropriately certified technician. Quality control is not "
         "guaranteed by this software."),
    ],
    "ReportForm": [
        ("A validade deste documento é garantida somente pela assinatura do "
         "responsavel técnico.",
         "The validity of this document is guaranteed only by the signature "
         "of the responsible technician."),
    ],
}

# Program texts that deliberately have no entry: the report's third footer
# placeholder stays Portuguese until the report fills the cell.
KNOWN_WITHOUT_ENTRY = {("ReportForm", "Resposável")}


class _Visible(html.parser.HTMLParser):
    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.parts = []
        self.skip = 0

    def handle_starttag(self, tag, attrs):
        if tag in ("style", "head", "title"):
            self.skip += 1

    def handle_endtag(self, tag):
        if tag in ("style", "head", "title") and self.skip:
            self.skip -= 1

    def handle_data(self, data):
        if not self.skip:
            self.parts.append(data)


def is_rich(text):
    return bool(re.match(r"\s*(<!DOCTYPE HTML|<html>|<qt>)", text, re.I))


def visible_text(text):
    parser = _Visible()
    parser.feed(text)
    parser.close()
    return " ".join("".join(parser.parts).split())


def catalogue():
    """(context, source) -> translation, and visible text lookups."""
    exact = {}
    for context, pairs in TRANSLATIONS.items():
        for source, english in pairs:
            exact[(context, source)] = english
    for context, sources in SAME.items():
        for source in sources:
            exact[(context, source)] = source
    rich = {}
    for context, pairs in RICH.items():
        for shown, english in pairs:
            rich[(context, shown)] = english
    return exact, rich


def escape(text):
    return (text.replace("&", "&amp;").replace("<", "&lt;")
            .replace(">", "&gt;").replace('"', "&quot;")
            .replace("'", "&apos;"))


def write_ts(path, root, contexts):
    out = ['<?xml version="1.0" encoding="utf-8"?>', "<!DOCTYPE TS>"]
    attrs = "".join(f' {k}="{escape(v)}"' for k, v in root.attrib.items())
    out.append(f"<TS{attrs}>")
    for name, messages in contexts:
        out.append("<context>")
        out.append(f"    <name>{escape(name)}</name>")
        for source, english in messages:
            out.append("    <message>")
            out.append(f"        <source>{escape(source)}</source>")
            if english is None:
                out.append('        <translation type="unfinished">'
                           "</translation>")
            else:
                out.append(f"        <translation>{escape(english)}"
                           "</translation>")
            out.append("    </message>")
        out.append("</context>")
    out.append("</TS>")
    with open(path, "w", encoding="utf-8", newline="\n") as f:
        f.write("\n".join(out) + "\n")


def fill(in_path, out_path, add_unused=False):
    exact, rich = catalogue()
    try:
        root = ET.parse(in_path).getroot()
    except (OSError, ET.ParseError) as error:
        print(f"cannot read {in_path}: {error}", file=sys.stderr)
        return 2
    root.set("language", "en_US")
    root.set("sourcelanguage", "pt_BR")
    used = set()
    missing = []
    contexts = []
    for ctx in root.findall("context"):
        name = ctx.findtext("name")
        messages = []
        for msg in ctx.findall("message"):
            extra = [c.tag for c in msg if c.tag not in
                     ("source", "translation", "location")]
            if extra or msg.get("numerus") == "yes":
                print(f"{name}: unexpected message parts {extra}",
                      file=sys.stderr)
                return 2
            source = msg.findtext("source") or ""
            key = (name, source)
            if key in exact:
                used.add(("exact",) + key)
                messages.append((source, exact[key]))
            elif is_rich(source) and (name, visible_text(source)) in rich:
                used.add(("rich", name, visible_text(source)))
                messages.append((source, rich[(name, visible_text(source))]))
            elif key in KNOWN_WITHOUT_ENTRY:
                continue
            else:
                shown = visible_text(source) if is_rich(source) else source
                missing.append((name, shown))
                messages.append((source, None))
        contexts.append((name, messages))
    unused = sorted({k for k in exact if ("exact",) + k not in used} |
                    {k for k in rich if ("rich",) + k not in used})
    if add_unused:
        for name, source in unused:
            if (name, source) not in exact:
                continue
            for ctx_name, messages in contexts:
                if ctx_name == name:
                    messages.append((source, exact[(name, source)]))
                    break
            else:
                contexts.append((name, [(source, exact[(name, source)])]))
        contexts.sort(key=lambda c: c[0])
    write_ts(out_path, root, contexts)
    for name, messages in contexts:
        done = sum(1 for _, e in messages if e is not None)
        print(f"{name}: {len(messages)} messages, {done} translated")
    for name, source in missing:
        print(f"no entry: {name}: {source!r}", file=sys.stderr)
    for name, source in unused:
        print(f"entry not used by the program: {name}: {source!r}",
              file=sys.stderr)
    return 1 if missing or unused else 0


def main(argv):
    add_unused = "--add-unused" in argv
    args = [a for a in argv[1:] if a != "--add-unused"]
    if len(args) not in (1, 2):
        print(__doc__, file=sys.stderr)
        return 2
    return fill(args[0], args[-1], add_unused)


if __name__ == "__main__":
    sys.exit(main(sys.argv))
