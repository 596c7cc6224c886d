#!/usr/bin/env python3
"""Writes cores/materials_table.cpp, the compiled-in table of ferrite materials, from data/materials.json
and data/loss-fits.json.

Run it by hand (or `make materials`) after changing the data; the generated table is checked in, so
building the program needs neither Python nor the JSON files. The program reads no file at run time.

Every figure must be a positive number or null, and every record must say where its figures come from;
a record that does not stops the generator. Each of a record's flags (what is doubtful about it) is
shortened to a few words for the windows and --materials; a flag this script does not know stops it.
Where data/loss-fits.json holds a fit for a material, that fit replaces the one in materials.json, and
the flags about the replaced fit no longer apply.
"""

import json
import math
import pathlib
import sys

HERE = pathlib.Path(__file__).resolve().parent
ROOT = HERE.parent
DATA = ROOT / "data" / "materials.json"
FITS = ROOT / "data" / "loss-fits.json"
OUTPUT = HERE / "materials_table.cpp"

BASES = {"MnZn", "NiZn"}
RANGE_KEYS = ["f_min_Hz", "f_max_Hz", "k", "alpha", "beta", "ct0", "ct1", "ct2"]

# Each flag of the data file by the words it starts with: its short form (None: it says nothing doubtful
# about a figure we ship) and whether it is about the loss fit (dropped when our own fit replaces it).
FLAGS = [
    ("the source labels N27 NiZn", None, False),
    ("loss fit disagrees with the data sheet", "loss fit strays from the data sheet", True),
    ("mu_i read off the mu_i(T) curve", "mu_i read off a curve", False),
    ("no Steinmetz or loss-factor data", None, False),
    ("one Steinmetz range nominally", "one loss fit for all frequencies", True),
    ("Bsat at 25 and 100 °C swapped back here", "Bsat 25/100 C order unconfirmed", False),
    ("Bsat at 25 and 100 °C swapped in the material source", None, False),
    ("density 4800 kg/m3 given for every grade", "density a placeholder", False),
    ("MAS labels this NiZn although", "composition doubtful", False),
    ("MAS holds 2 records named", "two differing source records", False),
]


def fail(message):
    sys.exit(f"materials_table.py: {message}")


def cpp_string(text):
    if not text.isascii() or not text.isprintable():
        fail(f"unexpected character in {text!r}")
    escaped = text.replace("\\", "\\\\").replace('"', '\\"')
    return f'"{escaped}"'


def number(value, what, where, positive=True):
    if not isinstance(value, (int, float)) or isinstance(value, bool) or not math.isfinite(value):
        fail(f"{where}: {what} {value!r} is not a number")
    if positive and value <= 0:
        fail(f"{where}: {what} {value!r} is not positive")
    # repr() is the shortest text that reads back as the same double.
    return repr(float(value))


def figure(value, what, where, required=False):
    if value is None:
        if required:
            fail(f"{where}: {what} is required")
        return "{}"
    return number(value, what, where)


def folded(name):
    return "".join(name.split()).lower()


def short_flags(record, where, fit_replaced):
    doubts, fit_doubtful = [], False
    for flag in record.get("flags") or []:
        for start, short, about_fit in FLAGS:
            if flag.startswith(start):
                break
        else:
            fail(f"{where}: unknown flag {flag!r}: add its short form to FLAGS")
        if about_fit and fit_replaced:
            continue
        if about_fit:
            fit_doubtful = True
        if short:
            doubts.append(short)
    return "; ".join(doubts), fit_doubtful


def ranges_text(ranges, where):
    rows = []
    previous = None
    for r in ranges:
        values = [number(r.get(key), key, where, positive=key in ("f_min_Hz", "f_max_Hz", "k")) for key in RANGE_KEYS]
        values.append(number(r.get("beta_T", 0.0), "beta_T", where, positive=False))
        if r["f_min_Hz"] >= r["f_max_Hz"]:
            fail(f"{where}: a loss range ends before it starts")
        # Published ranges overlap or part by a hertz here and there (150001 against 150000): a range
        # starts where the one below it ends, to within a percent.
        if previous is not None and abs(r["f_min_Hz"] - previous) > 0.01 * previous:
            fail(f"{where}: the loss ranges do not follow one another")
        previous = r["f_max_Hz"]
        rows.append("{" + ", ".join(values) + "}")
    return rows


def identifier(maker, name):
    return "k" + "".join(c if c.isalnum() else "_" for c in f"{maker}_{name}")


def main():
    data = json.loads(DATA.read_text(encoding="utf-8"))
    records = data.get("materials")
    if not isinstance(records, list) or not records:
        fail("data/materials.json has no 'materials' list")
    fits = {(f["maker"], f["name"]): f for f in json.loads(FITS.read_text(encoding="utf-8"))["fits"]}
    used_fits = set()

    rows, arrays = [], []
    names = set()
    for record in records:
        maker, name = record.get("maker", ""), record.get("name", "")
        where = f"'{maker} {name}'"
        if not name or not maker or (folded(maker), folded(name)) in names:
            fail(f"{where}: the maker or name is empty, or repeats an earlier one (letter case and blanks aside)")
        names.add((folded(maker), folded(name)))
        if record.get("composition") not in BASES:
            fail(f"{where}: composition {record.get('composition')!r} is not one of {sorted(BASES)}")
        sources = record.get("sources") or {}
        if not isinstance(sources.get("mu_i"), str) or not sources["mu_i"].strip():
            fail(f"{where}: no source for mu_i")
        for key in ("bsat_25C_mT", "bsat_100C_mT", "density_kg_m3", "curie_C"):
            if record.get(key) is not None and not (sources.get(key) or sources.get("material")):
                fail(f"{where}: no source for {key}")
        mu_i = figure(record.get("mu_i"), "mu_i", where, required=True)
        if float(mu_i) < 1:
            fail(f"{where}: mu_i below 1")

        losses = record.get("losses") or {}
        fit = fits.get((maker, name))
        fitted = fit is not None and fit.get("source") == "fitted"
        if fit is not None:
            used_fits.add((maker, name))
            steinmetz = fit["ranges"]
        else:
            steinmetz = (losses.get("steinmetz") or {}).get("ranges") or []
        doubts, fit_doubtful = short_flags(record, where, fitted)

        ident = identifier(maker, name)
        steinmetz_ref = "{}"
        if steinmetz:
            arrays.append(f"constexpr SteinmetzRange {ident}Loss[] = {{")
            arrays += [f"    {row}," for row in ranges_text(steinmetz, where)]
            arrays.append("};")
            steinmetz_ref = f"{ident}Loss"
        factor_ref = "{}"
        factor = (losses.get("loss_factor") or {}).get("points") or []
        if factor:
            points = [f"{{{number(p['f_Hz'], 'f_Hz', where)}, {number(p['value'], 'loss factor', where)}}}"
                      for p in factor]
            arrays.append(f"constexpr LossFactorPoint {ident}Factor[] = {{{', '.join(points)}}};")
            factor_ref = f"{ident}Factor"

        fields = [
            cpp_string(name), cpp_string(maker), cpp_string(record["composition"]), mu_i,
            figure(record.get("bsat_25C_mT"), "bsat_25C_mT", where),
            figure(record.get("bsat_100C_mT"), "bsat_100C_mT", where),
            figure(record.get("density_kg_m3"), "density_kg_m3", where),
            figure(record.get("curie_C"), "curie_C", where),
            cpp_string(doubts), steinmetz_ref, "true" if fitted else "false", "true" if fit_doubtful else "false",
            factor_ref,
        ]
        rows.append(f"    {{{', '.join(fields)}}},")

    if unused := set(fits) - used_fits:
        fail(f"data/loss-fits.json fits materials not in data/materials.json: {sorted(unused)}")

    lines = [
        "// Generated by cores/materials_table.py from data/materials.json and data/loss-fits.json; edit those,",
        "// then run the script. Each material's name as the maker writes it, its maker and base, the nominal",
        "// initial permeability, the flux density near saturation at 25 °C and 100 °C (mT), the density",
        "// (kg/m3), the Curie temperature (°C), what is doubtful, and its loss fit (Steinmetz ranges: f_min,",
        "// f_max in Hz, k, alpha, beta, ct0, ct1, ct2, beta_T) or small-signal loss factor; the data files name the",
        "// source of every figure.",
        "",
        '#include "cores/materials.hpp"',
        "",
        "namespace ferricalc {",
        "",
        "namespace {",
        "",
        *arrays,
        "",
        "constexpr Material kMaterials[] = {",
        *rows,
        "};",
        "",
        "}  // namespace",
        "",
        "std::span<const Material> materials() { return kMaterials; }",
        "",
        "}  // namespace ferricalc",
        "",
    ]
    OUTPUT.write_text("\n".join(lines), encoding="utf-8")
    print(f"wrote {OUTPUT.relative_to(ROOT)}: {len(rows)} materials, {len(used_fits)} with fits of data/loss-fits.json")


if __name__ == "__main__":
    main()
