#!/usr/bin/env python3
"""Writes src/database/Seed.js, the SQL script that creates and fills the form-schema database.

Sources, all in this folder: cards.json (sections), rows.json (rows of a section), fields.json
(options and inputs) and forms.py (which sections, rows and fields each deal type and property
type uses). Run it after changing any of them and raise `version` in src/database/Database.qml
so that installed copies rebuild their database:

    python3 tools/schema/generate_seed.py            # writes src/database/Seed.js
    python3 tools/schema/generate_seed.py --check    # fails when Seed.js is not up to date

It also writes devserver/src/FormSchemaForms.inc, the same forms as the stand-in service reads
them, so that the service's listings hold exactly the keys the program's forms hold.
"""

import argparse
import json
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
import forms  # noqa: E402

ROOT = os.path.dirname(os.path.dirname(HERE))
OUTPUT = os.path.join(ROOT, "src", "database", "Seed.js")
SERVICE_OUTPUT = os.path.join(ROOT, "devserver", "src", "FormSchemaForms.inc")

# SQLite caps a compound SELECT (which a multi-row VALUES list is) at 500 terms by default.
ROWS_PER_INSERT = 490

CREATE = {
    "Row": "CREATE TABLE IF NOT EXISTS Row (CARD_ID integer, TYPE integer, SINGLE_SELECT integer, "
           "_id integer NOT NULL, PRIMARY KEY(_id))",
    "Relations": "CREATE TABLE IF NOT EXISTS Relations (DEAL_TYPE integer, PROPERTY_TYPE integer, "
                 "CARD_ID integer, ROW_ID integer, FIELD_ID integer, _id integer NOT NULL, "
                 "PRIMARY KEY(_id))",
    "Field": "CREATE TABLE IF NOT EXISTS Field (TITLE varchar, ROW_ID integer, ATTACHED_ROW integer, "
             "HAS_ATTACHED integer, TYPE integer, _id integer NOT NULL, FIELD_NAME varchar, "
             "FILTER_STATE integer, INPUT_TYPE INTEGER, CURRENCY INTEGER, SEARCH_NECESSARY INTEGER, "
             "CATEGORY_NECESSARY INTEGER, CATEGORY_FILTER_TYPE INTEGER, REQUESTED_NAME INTEGER, "
             "OFFLINE_NAME INTEGER, OFFLINE_REQUEST_NAME INTEGER, MAX_LENGTH INTEGER, "
             "SINGLE_LINE INTEGER, FIELD_ORDER INTEGER, PRIMARY KEY(_id))",
    "Card": "CREATE TABLE IF NOT EXISTS Card (TITLE varchar, STEPPER integer, STEPPER_TITLE varchar, "
            "STEPPER_ID integer, _id integer NOT NULL, SEARCH_NECESSARY INTEGER, "
            "CATEGORY_NECESSARY INTEGER, PRIMARY KEY(_id))",
}
COLUMNS = {
    "Row": ["CARD_ID", "TYPE", "SINGLE_SELECT", "_id"],
    "Relations": ["DEAL_TYPE", "PROPERTY_TYPE", "CARD_ID", "ROW_ID", "FIELD_ID", "_id"],
    "Field": ["TITLE", "ROW_ID", "ATTACHED_ROW", "HAS_ATTACHED", "TYPE", "_id", "FIELD_NAME",
              "FILTER_STATE", "INPUT_TYPE", "CURRENCY", "SEARCH_NECESSARY", "CATEGORY_NECESSARY",
              "CATEGORY_FILTER_TYPE", "REQUESTED_NAME", "OFFLINE_NAME", "OFFLINE_REQUEST_NAME",
              "MAX_LENGTH", "SINGLE_LINE", "FIELD_ORDER"],
    "Card": ["TITLE", "STEPPER", "STEPPER_TITLE", "STEPPER_ID", "_id", "SEARCH_NECESSARY",
             "CATEGORY_NECESSARY"],
}


class SchemaError(Exception):
    pass


def load(name):
    with open(os.path.join(HERE, name), encoding="utf-8") as fp:
        return json.load(fp)


def require(condition, message):
    if not condition:
        raise SchemaError(message)


def sql_value(value):
    if value is None:
        return "NULL"
    if isinstance(value, int):
        return str(value)
    require(";" not in value, "a value may not contain ';' (the script is split there): " + value)
    return "'" + value.replace("'", "''") + "'"


def card_records(cards):
    out = []
    for card in cards:
        stepper = card.get("stepper")
        out.append({
            "TITLE": card["title"], "STEPPER": 1 if stepper else 0,
            "STEPPER_TITLE": stepper["title"] if stepper else "0",
            "STEPPER_ID": stepper["field"] if stepper else 0, "_id": card["id"],
            "SEARCH_NECESSARY": card["search"], "CATEGORY_NECESSARY": card["category"]})
    return out


def row_records(rows):
    return [{"CARD_ID": row["card"], "TYPE": 1 if row["kind"] == "inputs" else 0,
             "SINGLE_SELECT": row.get("single_select", 0), "_id": row["id"]} for row in rows]


def field_records(fields):
    out = []
    for field in fields:
        attached = field.get("attached_row", 0)
        out.append({
            "TITLE": field["title"], "ROW_ID": field["row"], "ATTACHED_ROW": attached,
            "HAS_ATTACHED": 1 if attached > 0 else 0,
            "TYPE": 1 if field["kind"] == "input" else 0, "_id": field["id"],
            "FIELD_NAME": field["key"], "FILTER_STATE": field.get("filter_state", 0),
            "INPUT_TYPE": field.get("input_type", 0), "CURRENCY": field.get("currency", 0),
            "SEARCH_NECESSARY": field.get("search", 0),
            "CATEGORY_NECESSARY": field.get("category", 0),
            "CATEGORY_FILTER_TYPE": field.get("category_filter_type", 0),
            "REQUESTED_NAME": field.get("requested_title"), "OFFLINE_NAME": None,
            "OFFLINE_REQUEST_NAME": None, "MAX_LENGTH": field.get("max_length", 0),
            "SINGLE_LINE": field.get("single_line", 0), "FIELD_ORDER": field.get("order")})
    return out


def display_key(field):
    """The order in which the form shows a row's fields: FIELD_ORDER, else the id."""
    order = field.get("order")
    return (order if order is not None else field["id"], field["id"])


def pair_entries(pair, spec, rows_by_id, fields_by_id):
    """The Relations entries (deal, property, card, row, field) of one attribute form."""
    deal, prop = pair
    offered = {3: spec["inputs"]} if spec["inputs"] else {}
    offered.update(spec["rows"])
    entries = []
    sections = set(spec["bare_sections"])
    for row_id, field_ids in offered.items():
        row = rows_by_id[row_id]
        require(row["card"] > 0, "%s: row %d is an attached row" % (pair, row_id))
        require(field_ids, "%s: row %d offers nothing" % (pair, row_id))
        require(len(set(field_ids)) == len(field_ids), "%s: row %d repeats a field" % (pair, row_id))
        sections.add(row["card"])
        entries.append((deal, prop, row["card"], row_id, -1))
        for field_id in field_ids:
            field = fields_by_id[field_id]
            require(field["row"] == row_id, "%s: field %d is not on row %d" % (pair, field_id, row_id))
            entries.append((deal, prop, row["card"], row_id, field_id))
            attached = field.get("attached_row", 0)
            if attached > 0 and rows_by_id[attached]["card"] == -1:
                for other in fields_by_id.values():
                    if other["row"] == attached:
                        entries.append((deal, prop, -1, attached, other["id"]))
            elif attached > 0:
                require(attached in offered, "%s: field %d reveals row %d, which the form lacks"
                        % (pair, field_id, attached))
    for section in sorted(sections):
        if section not in spec["sections_by_rows"]:
            entries.append((deal, prop, section, -1, -1))
    for row_id, field_id in spec["duplicates"]:
        entries.append((deal, prop, rows_by_id[row_id]["card"], row_id, field_id))

    def key(entry):
        _, _, card, row_id, field_id = entry
        field_key = (-1, -1) if field_id == -1 else display_key(fields_by_id[field_id])
        return (card, row_id, field_key)
    return sorted(entries, key=key)


def choice_entries(pair, section, row_id, options, fields_by_id):
    entries = [(pair[0], pair[1], section, -1, -1), (pair[0], pair[1], section, row_id, -1)]
    for option in options:
        require(fields_by_id[option]["row"] == row_id, "%s: %d is not on row %d" % (pair, option, row_id))
        card = forms.CHOICE_SECTION_EXCEPTIONS.get((pair, option), section)
        entries.append((pair[0], pair[1], card, row_id, option))
    return entries


def relation_records(rows_by_id, fields_by_id):
    """All Relations entries in file order: property files first (their deal-type choice, the
    property types of each offer deal type, then the forms), then applicant files the same way."""
    choices = {pair: (section, row, options) for pair, section, row, options in forms.CHOICES}
    ordered = []
    for family, deals in ((-1, range(1, 5)), (-2, range(5, 9))):
        ordered += choice_entries((family, family), *choices[(family, family)], fields_by_id)
        for deal in deals:
            ordered += choice_entries((deal, family), *choices[(deal, family)], fields_by_id)
        for pair in sorted(p for p in forms.FORMS if p[0] in deals):
            ordered += pair_entries(pair, forms.FORMS[pair], rows_by_id, fields_by_id)

    pinned = dict(forms.PINNED_IDS)
    for entry in pinned:
        require(entry in ordered, "pinned entry %s is not in any form" % (entry,))
    records, next_id, taken = [], 1, set(pinned.values())
    for entry in ordered:
        if entry in pinned:
            entry_id = pinned.pop(entry)
        else:
            while next_id in taken:
                next_id += 1
            entry_id = next_id
            next_id += 1
        records.append(dict(zip(COLUMNS["Relations"], entry + (entry_id,))))
    records.sort(key=lambda r: r["_id"])
    ids = [r["_id"] for r in records]
    require(len(set(ids)) == len(ids), "relation ids collide")
    by_entry = {tuple(r[c] for c in COLUMNS["Relations"][:5]): r["_id"] for r in records}
    for entry, entry_id in forms.EXPECTED_IDS.items():
        require(by_entry.get(entry) == entry_id, "entry %s has id %s, expected %d"
                % (entry, by_entry.get(entry), entry_id))
    return records


def insert(verb, table, records):
    head = "%s INTO %s (%s) VALUES " % (verb, table, ",".join(COLUMNS[table]))
    values = ["(" + ",".join(sql_value(r[c]) for c in COLUMNS[table]) + ")" for r in records]
    return [(head, values[i:i + ROWS_PER_INSERT]) for i in range(0, len(values), ROWS_PER_INSERT)]


def build():
    cards, rows, fields = load("cards.json"), load("rows.json"), load("fields.json")
    rows_by_id = {row["id"]: row for row in rows}
    fields_by_id = {field["id"]: field for field in fields}
    require(len(rows_by_id) == len(rows) and len(fields_by_id) == len(fields), "duplicate ids")
    for field in fields:
        require(field["row"] == 0 or field["row"] in rows_by_id, "field %d: no row" % field["id"])

    tables = {
        "Row": row_records(rows), "Relations": relation_records(rows_by_id, fields_by_id),
        "Field": field_records(fields), "Card": card_records(cards),
    }
    statements = []
    for table, verb in (("Row", "INSERT OR REPLACE"), ("Relations", "INSERT OR REPLACE"),
                        ("Field", "INSERT"), ("Card", "INSERT OR REPLACE")):
        statements.append((CREATE[table], None))
        statements += insert(verb, table, tables[table])
    return tables, statements


def render(statements, counts):
    lines = [
        "// Generated by tools/schema/generate_seed.py from tools/schema/. Do not edit by hand.",
        "// %s." % ", ".join("%s %d rows" % item for item in counts),
        ".pragma library",
        "",
        "function insert(head, values) {",
        "    return head + values.join(\",\")",
        "}",
        "",
        "// The statements, separated by \";\" (no value contains one).",
        "var script = [",
    ]
    for head, values in statements:
        if values is None:
            lines.append("    %s," % json.dumps(head, ensure_ascii=False))
            continue
        lines.append("    insert(%s, [" % json.dumps(head, ensure_ascii=False))
        lines += ["        %s," % json.dumps(v, ensure_ascii=False) for v in values]
        lines.append("    ]),")
    lines.append("].join(\";\")")
    return "\n".join(lines) + "\n"


def service_forms(tables):
    """Every (deal type, property type) form as the program's queries see it in the tables: its
    rows (the rows its options reveal last), each row's fields in display order, and the keys of
    its sections' steppers."""
    rows = {r["_id"]: r for r in tables["Row"]}
    fields = {f["_id"]: f for f in tables["Field"]}
    cards = {c["_id"]: c for c in tables["Card"]}
    forms_by_pair = {}
    for entry in tables["Relations"]:
        pair = (entry["DEAL_TYPE"], entry["PROPERTY_TYPE"])
        if 1 <= pair[0] <= 8 and 50 <= pair[1] <= 58:
            forms_by_pair.setdefault(pair, []).append(entry)
    out = []
    for pair in sorted(forms_by_pair):
        entries = forms_by_pair[pair]
        shown = {e["ROW_ID"] for e in entries if e["ROW_ID"] != -1 and e["CARD_ID"] > 0}
        row_ids = {e["ROW_ID"] for e in entries if e["ROW_ID"] != -1}
        form_rows = []
        for row_id in sorted(row_ids, key=lambda r: (r not in shown, rows[r]["CARD_ID"], r)):
            field_ids = {e["FIELD_ID"] for e in entries if e["ROW_ID"] == row_id and e["FIELD_ID"] != -1}
            ordered = sorted(field_ids, key=lambda f: (fields[f]["FIELD_ORDER"] if fields[f]["FIELD_ORDER"]
                                                       is not None else f, f))
            form_rows.append((row_id, rows[row_id]["TYPE"] == 1,
                              rows[row_id]["SINGLE_SELECT"] == 1,
                              [(f, fields[f]["FIELD_NAME"], fields[f]["ATTACHED_ROW"] if
                                fields[f]["HAS_ATTACHED"] else 0) for f in ordered]))
        steppers = sorted({fields[cards[c]["STEPPER_ID"]]["FIELD_NAME"]
                           for c in {e["CARD_ID"] for e in entries}
                           if c in cards and cards[c]["STEPPER"] == 1})
        out.append((pair, form_rows, steppers))
    return out


def render_service(forms_list):
    def text(value):
        require('"' not in value and "\\" not in value, "a key may not hold a quote: " + value)
        return '"%s"' % value

    lines = [
        "// Generated by tools/schema/generate_seed.py from tools/schema/. Do not edit by hand.",
        "// The listing form of every deal/property pair: {deal type, property type, rows, stepper keys}.",
        "// A row: {id, inputs, single choice, fields}.",
        "// A field: {id, key, the row it reveals when chosen (0: none)}.",
    ]
    for (deal, prop), form_rows, steppers in forms_list:
        lines.append("{%d, %d, {" % (deal, prop))
        for row_id, inputs, single, row_fields in form_rows:
            flags = ", ".join("true" if flag else "false" for flag in (inputs, single))
            lines.append("    {%d, %s, {%s}}," % (row_id, flags, ", ".join(
                "{%d, %s, %d}" % (f, text(key), attached) for f, key, attached in row_fields)))
        lines.append("}, {%s}}," % ", ".join(text(key) for key in steppers))
    return "\n".join(lines) + "\n"


def write_or_check(path, text, check):
    if check:
        with open(path, encoding="utf-8") as fp:
            if fp.read() != text:
                sys.exit("%s is out of date: run tools/schema/generate_seed.py" % path)
        return
    with open(path, "w", encoding="utf-8") as fp:
        fp.write(text)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--check", action="store_true", help="compare with the file instead of writing it")
    parser.add_argument("--output", default=OUTPUT)
    parser.add_argument("--service-output", default=SERVICE_OUTPUT)
    args = parser.parse_args()
    try:
        tables, statements = build()
        service = render_service(service_forms(tables))
    except SchemaError as error:
        sys.exit("schema error: %s" % error)
    text = render(statements, [(t, len(tables[t])) for t in ("Card", "Row", "Field", "Relations")])
    write_or_check(args.output, text, args.check)
    write_or_check(args.service_output, service, args.check)


if __name__ == "__main__":
    main()
