#!/usr/bin/env python3
"""Fits the core-loss coefficients of data/loss-fits.json to the makers' published loss curves.

    /usr/bin/python3 scripts/fit_losses.py [--curves ../shared/data/loss-curves.json] [--check]

Run by hand with a python3 that has numpy and scipy (Debian: python3-numpy, python3-scipy); the
fitted coefficients are committed, and cores/materials_table.py compiles them in. The curve points themselves (sinusoidal Pv against B̂, f
and T, read off the data sheets) are not ours to ship: the script reads them from the shared data
folder and writes only coefficients. --check fits again and fails if the result differs from the
committed file.

The model is the Steinmetz equation with a temperature polynomial, one set of coefficients per
frequency range [f_min, f_max):

    Pv = k · f^α · B̂^β · (ct0 − ct1·T + ct2·T²) · (B̂ / 0.1 T)^(β_T·(T − 60 °C))
                                                        W/m³, f in Hz, B̂ in T, T in °C

The last factor is ours: a power ferrite's loss valley lies at a lower temperature the higher the
flux density (every data sheet's Pv–T curves show it), which a temperature polynomial shared by all
flux densities cannot follow; it lets β grow by β_T per kelvin (β_T = 0 where the curves do not ask
for it, and in every published fit).

How the fit is made, per material:
- In logarithms, log Pv = log k + α·log f + β·log B̂ + log p(T). The polynomial is written as
  p(T) = 1 + q·(T − T0)², q ≥ 0, so that it stays positive with one valley at T0 (where a power
  ferrite's losses are least), then expanded to ct0 = 1 + q·T0², ct1 = 2·q·T0, ct2 = q.
- One range where one power law in f holds; two or three where the data sheet's curves bend (eddy
  currents and residual losses take over above a few hundred kHz). A range boundary lies between
  measured frequencies, at their geometric mean rounded to two digits, and every range must hold
  points at two or more frequencies, so α is measured in it rather than guessed.
- Adjacent ranges are held to meet at their boundary (a loss does not jump when f crosses a line
  we drew), over the flux densities and temperatures the curves span.
- Weak priors keep α, β and T0 where ferrites have them when a range holds few points.
- How many ranges, whether each range has its own temperature polynomial, and whether β_T is used, is chosen by how
  well the fit predicts points it did not see: each point predicted from a fit to all the others
  (leave one out). A richer model must cut that error by 8 % to be taken.
- Where the published fit in materials.json meets the curves better than ours is expected to meet
  new points of them (the mean of our error on points left out and on the points fitted), the
  published fit stays, marked "published".

The table printed at the end gives, per material, the points, the share the model meets within
×1.25 and the median |log2(model/point)|: for the published fit in materials.json, for ours on
points left out of its fit, and for ours on all the points (what is shipped).
"""

import argparse
import itertools
import json
import math
import pathlib
import sys

import numpy as np
from scipy.optimize import least_squares

ROOT = pathlib.Path(__file__).resolve().parent.parent
MATERIALS = ROOT / "data" / "materials.json"
OUTPUT = ROOT / "data" / "loss-fits.json"
DEFAULT_CURVES = ROOT.parent / "shared" / "data" / "loss-curves.json"

WITHIN = math.log2(1.25)
# Weak priors: (centre, spread) of α and β for MnZn power ferrites, and of the valley temperature.
PRIOR_ALPHA = (1.4, 0.8)
PRIOR_BETA = (2.6, 0.5)
PRIOR_T0 = (90.0, 40.0)
CONTINUITY_WEIGHT = 1.0
# The valley's shift with flux density: β grows by β_T per kelvin above SHIFT_T, about SHIFT_B.
SHIFT_T = 60.0
SHIFT_B = 0.1
PRIOR_WEIGHT = 0.3
# A richer model must cut the held-out median |ln error| by this factor to be taken.
RICHER_MUST_GAIN = 0.92


def fail(message):
    sys.exit(f"fit_losses.py: {message}")


def load_points(path):
    data = json.loads(path.read_text(encoding="utf-8"))
    by_material = {}
    for p in data["points"]:
        if p.get("waveform") != "sinusoidal":
            continue
        key = (p["maker"], p["material"])
        by_material.setdefault(key, []).append(p)
    return by_material


def arrays(points):
    f = np.array([p["f_kHz"] * 1e3 for p in points])
    b = np.array([p["B_mT"] * 1e-3 for p in points])
    t = np.array([float(p["T_C"]) for p in points])
    pv = np.array([p["Pv_kW_m3"] * 1e3 for p in points])
    return f, b, t, pv


def frequency_clusters(f):
    """The distinct frequencies, those within 20 % of each other taken as one."""
    clusters = []
    for value in sorted(set(f)):
        if clusters and value / clusters[-1][-1] < 1.2:
            clusters[-1].append(value)
        else:
            clusters.append([value])
    return [math.exp(np.mean(np.log(c))) for c in clusters]


def two_digits(value):
    exponent = math.floor(math.log10(value)) - 1
    return round(value / 10**exponent) * 10**exponent


def candidate_boundaries(f):
    centres = frequency_clusters(f)
    return [two_digits(math.sqrt(a * b)) for a, b in zip(centres, centres[1:])]


class Model:
    """The coefficients of one material: per range log k, α, β, and a temperature valley (q, T0)
    per range or shared."""

    def __init__(self, boundaries, shared_temperature, flux_shift=False):
        self.boundaries = list(boundaries)
        self.ranges = len(self.boundaries) + 1
        self.shared = shared_temperature
        self.temperatures = 1 if shared_temperature else self.ranges
        self.flux_shift = flux_shift

    def size(self):
        return 3 * self.ranges + 2 * self.temperatures + (1 if self.flux_shift else 0)

    def unpack(self, x):
        power = x[: 3 * self.ranges].reshape(self.ranges, 3)
        temp = x[3 * self.ranges : 3 * self.ranges + 2 * self.temperatures].reshape(self.temperatures, 2)
        return power, temp

    def shift(self, x):
        """γ of the valley's shift with flux density, per kelvin (0 without it)."""
        return x[-1] if self.flux_shift else 0.0

    def range_of(self, f):
        return np.searchsorted(np.array(self.boundaries), f, side="right")

    def log_pv(self, x, f, b, t, ranges=None):
        power, temp = self.unpack(x)
        r = self.range_of(f) if ranges is None else ranges
        tr = np.zeros_like(r) if self.shared else r
        log_q, t0 = temp[tr, 0], temp[tr, 1]
        poly = 1.0 + np.exp(log_q) * (t - t0) ** 2
        shift = self.shift(x) * (t - SHIFT_T) * np.log(b / SHIFT_B)
        return power[r, 0] + power[r, 1] * np.log(f) + power[r, 2] * np.log(b) + np.log(poly) + shift

    def start(self, f, b, pv):
        x = []
        for _ in range(self.ranges):
            x += [math.log(np.median(pv / (f**1.4 * b**2.6))), 1.4, 2.6]
        for _ in range(self.temperatures):
            x += [math.log(1e-4), 90.0]
        if self.flux_shift:
            x.append(0.0)
        return np.array(x)

    def bounds(self):
        low, high = [], []
        for _ in range(self.ranges):
            low += [-80.0, 1.0, 2.0]
            high += [80.0, 3.2, 3.4]
        for _ in range(self.temperatures):
            low += [math.log(1e-7), 0.0]
            high += [math.log(1e-2), 160.0]
        if self.flux_shift:
            low.append(-0.03)
            high.append(0.03)
        return low, high

    def fit(self, f, b, t, pv, span_b, span_t, start=None):
        y = np.log(pv)

        def residuals(x):
            parts = [self.log_pv(x, f, b, t) - y]
            power, temp = self.unpack(x)
            parts.append((power[:, 1] - PRIOR_ALPHA[0]) / PRIOR_ALPHA[1] * PRIOR_WEIGHT)
            parts.append((power[:, 2] - PRIOR_BETA[0]) / PRIOR_BETA[1] * PRIOR_WEIGHT)
            parts.append((temp[:, 1] - PRIOR_T0[0]) / PRIOR_T0[1] * PRIOR_WEIGHT)
            for i, fb in enumerate(self.boundaries):
                bb, tt = np.meshgrid(span_b, span_t)
                bb, tt = bb.ravel(), tt.ravel()
                ff = np.full_like(bb, fb)
                left = self.log_pv(x, ff, bb, tt, np.full(bb.shape, i))
                right = self.log_pv(x, ff, bb, tt, np.full(bb.shape, i + 1))
                parts.append(CONTINUITY_WEIGHT * (left - right))
            return np.concatenate(parts)

        low, high = self.bounds()
        x0 = np.clip(self.start(f, b, pv), low, high)
        if start is not None:
            return least_squares(residuals, start, bounds=(low, high), loss="soft_l1", f_scale=0.15,
                                 max_nfev=4000).x
        best = None
        # The temperature valley has local minima: start from a few.
        for t0 in (60.0, 90.0, 120.0):
            x = x0.copy()
            x[3 * self.ranges + 1 : 3 * self.ranges + 2 * self.temperatures : 2] = t0
            result = least_squares(residuals, x, bounds=(low, high), loss="soft_l1", f_scale=0.15, max_nfev=4000)
            if best is None or result.cost < best.cost:
                best = result
        return best.x

    def usable(self, f):
        """Every range holds points at two or more frequencies."""
        r = self.range_of(f)
        for i in range(self.ranges):
            if len(frequency_clusters(f[r == i])) < 2:
                return False
        return True


def spans(b, t):
    span_b = np.geomspace(max(b.min(), 0.01), b.max(), 4)
    span_t = np.array([25.0, 60.0, 100.0])
    return span_b, span_t


def heldout_errors(model, f, b, t, pv):
    """|ln(model/point)| of each point, predicted from a fit to all the other points (leave one out)."""
    span_b, span_t = spans(b, t)
    whole = model.fit(f, b, t, pv, span_b, span_t)
    errors = np.zeros(len(pv))
    for i in range(len(pv)):
        keep = np.arange(len(pv)) != i
        if not model.usable(f[keep]):
            return None
        x = model.fit(f[keep], b[keep], t[keep], pv[keep], span_b, span_t, start=whole)
        errors[i] = abs(model.log_pv(x, f[i : i + 1], b[i : i + 1], t[i : i + 1])[0] - math.log(pv[i]))
    return errors


def selection_score(errors):
    """The goal's two measures on held-out points: the share missed by more than ×1.25 and the median."""
    log2 = errors / math.log(2)
    return float(np.mean(log2 > WITHIN)) + float(np.median(log2))


def choose_model(f, b, t, pv):
    boundaries = candidate_boundaries(f)
    candidates = []
    for count in range(0, 3):
        for chosen in itertools.combinations(boundaries, count):
            for shared, flux_shift in itertools.product((True, False), (False, True)):
                if count == 0 and not shared:
                    continue
                model = Model(chosen, shared, flux_shift)
                if not model.usable(f):
                    continue
                errors = heldout_errors(model, f, b, t, pv)
                if errors is None:
                    continue
                candidates.append((model.size(), selection_score(errors), model, errors))
    candidates.sort(key=lambda c: c[0])
    best = candidates[0]
    for candidate in candidates[1:]:
        if candidate[1] < best[1] * RICHER_MUST_GAIN:
            best = candidate
    return best[2], best[3]


def coefficients(model, x, f):
    power, temp = model.unpack(x)
    low = two_digits(min(f) / 1.25)
    high = two_digits(max(f) * 1.25)
    edges = [low] + model.boundaries + [high]
    ranges = []
    for i in range(model.ranges):
        log_q, t0 = temp[0 if model.shared else i]
        q = math.exp(log_q)
        ct0, ct1, ct2 = 1.0 + q * t0 * t0, 2.0 * q * t0, q
        ranges.append({
            "f_min_Hz": float(edges[i]),
            "f_max_Hz": float(edges[i + 1]),
            "k": float(f"{math.exp(power[i, 0]):.6g}"),
            "alpha": round(float(power[i, 1]), 5),
            "beta": round(float(power[i, 2]), 5),
            "ct0": float(f"{ct0:.6g}"),
            "ct1": float(f"{ct1:.6g}"),
            "ct2": float(f"{ct2:.6g}"),
        })
        if model.flux_shift:
            ranges[-1]["beta_T"] = float(f"{model.shift(x):.4g}")
    return ranges


def evaluate(ranges, f, b, t):
    pv = np.zeros(len(f))
    for i in range(len(f)):
        chosen = ranges[-1]
        for r in ranges:
            if f[i] < r["f_max_Hz"]:
                chosen = r
                break
        if f[i] < ranges[0]["f_min_Hz"]:
            chosen = ranges[0]
        poly = chosen["ct0"] - chosen["ct1"] * t[i] + chosen["ct2"] * t[i] ** 2
        shift = (b[i] / SHIFT_B) ** (chosen.get("beta_T", 0.0) * (t[i] - SHIFT_T))
        pv[i] = chosen["k"] * f[i] ** chosen["alpha"] * b[i] ** chosen["beta"] * poly * shift
    return pv


def scores(log2_errors):
    share = float(np.mean(log2_errors <= WITHIN + 1e-12))
    return share, float(np.median(log2_errors))


def published_ranges(materials, maker, name):
    for m in materials:
        if m["maker"] == maker and m["name"] == name:
            steinmetz = (m.get("losses") or {}).get("steinmetz")
            return steinmetz["ranges"] if steinmetz else None
    fail(f"{maker} {name} is not in data/materials.json")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--curves", type=pathlib.Path, default=DEFAULT_CURVES)
    parser.add_argument("--check", action="store_true", help="fail if the fit differs from data/loss-fits.json")
    args = parser.parse_args()
    if not args.curves.is_file():
        fail(f"no curves at {args.curves}")

    materials = json.loads(MATERIALS.read_text(encoding="utf-8"))["materials"]
    by_material = load_points(args.curves)

    fits = []
    rows = []
    all_published, all_ours, all_trained = [], [], []
    for (maker, name), points in by_material.items():
        f, b, t, pv = arrays(points)
        model, heldout = choose_model(f, b, t, pv)
        span_b, span_t = spans(b, t)
        x = model.fit(f, b, t, pv, span_b, span_t)
        ranges = coefficients(model, x, f)
        trained = np.abs(np.log2(evaluate(ranges, f, b, t) / pv))
        heldout2 = heldout / math.log(2)
        published = published_ranges(materials, maker, name)
        # A published polynomial that goes negative gives no loss at all: a miss by any measure.
        pub = np.abs(np.log2(np.maximum(evaluate(published, f, b, t), 1e-9) / pv)) if published else None
        # Where the published fit predicts the curves better than ours predicts points it did not see,
        # the published fit stays: a fit of ours must earn its place as a richer model does.
        # Points between those fitted (as new points on the same curves are) fall between the fit's error
        # on its own points and its error on points left out, so ours is judged by the mean of the two.
        ours_score = (selection_score(heldout) + selection_score(trained * math.log(2))) / 2
        keep_published = pub is not None and selection_score(pub * math.log(2)) <= ours_score
        if keep_published:
            ranges, heldout2, trained = published, pub, pub
        fits.append({"maker": maker, "name": name, "points": len(points),
                     "source": "published" if keep_published else "fitted", "ranges": ranges})
        rows.append((maker, name, len(points), pub, heldout2, trained))
        all_ours.append(heldout2)
        all_trained.append(trained)
        if pub is not None:
            all_published.append(pub)

    print(f"{'material':<18}{'points':>7}  {'published ×1.25':>15} {'median':>7}  "
          f"{'ours held-out ×1.25':>19} {'median':>7}  {'ours all ×1.25':>14} {'median':>7}  ranges")
    for maker, name, count, pub, ours, trained in rows:
        p = scores(pub) if pub is not None else (float("nan"), float("nan"))
        o, a = scores(ours), scores(trained)
        ranges = next(fit["ranges"] for fit in fits if fit["maker"] == maker and fit["name"] == name)
        print(f"{maker + ' ' + name:<18}{count:>7}  {p[0]:>15.0%} {p[1]:>7.3f}  {o[0]:>19.0%} {o[1]:>7.3f}  "
              f"{a[0]:>14.0%} {a[1]:>7.3f}  {len(ranges)}{' (published kept)' if pub is trained else ''}")
    p = scores(np.concatenate(all_published))
    o = scores(np.concatenate(all_ours))
    a = scores(np.concatenate(all_trained))
    total = sum(r[2] for r in rows)
    print(f"{'all':<18}{total:>7}  {p[0]:>15.0%} {p[1]:>7.3f}  {o[0]:>19.0%} {o[1]:>7.3f}  {a[0]:>14.0%} {a[1]:>7.3f}")

    document = {
        "about": "Core-loss fits of ferricalc's own, made by scripts/fit_losses.py from the makers' published "
                 "sinusoidal loss curves (Pv against peak flux density, frequency and temperature, as digitised "
                 "in upb-lea/materialdatabase, and the TDK PC200 data sheet's table). The points are not "
                 "shipped; these coefficients are fitted from them. Pv[W/m^3] = k * f[Hz]^alpha * "
                 "B[T]^beta * (ct0 - ct1*T + ct2*T^2), T in degrees C, one set per range [f_min_Hz, f_max_Hz); "
                 "the outer limits are the lowest and highest frequency of the curves widened by a quarter.",
        "fits": fits,
    }
    text = json.dumps(document, indent=2, ensure_ascii=False) + "\n"
    if args.check:
        if OUTPUT.read_text(encoding="utf-8") != text:
            fail("the fit differs from data/loss-fits.json")
        print("data/loss-fits.json is up to date")
    else:
        OUTPUT.write_text(text, encoding="utf-8")
        print(f"wrote {OUTPUT.relative_to(ROOT)}")


if __name__ == "__main__":
    main()
