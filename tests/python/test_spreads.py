"""transmit, energy_before and range(with_straggling=True): fenra32-calc's numbers to the last
digit it prints, and the warnings of spreads outside their formulas."""

import csv
import io
import math
import warnings

import pytest

import fenra32
from conftest import run_calc

COLUMNS = ["thickness_e15", "energy_in_keV", "energy_out_keV", "energy_loss_keV",
           "stop_depth_in_layer_e15", "stop_depth_from_front_e15", "energy_sigma_keV", "angle_sigma_mrad", "lateral_sigma_um",
           "charge_mean"]


def calc_rows(*args):
    status, out, err = run_calc("--csv", *args)
    assert status == 0, err
    return list(csv.DictReader(io.StringIO(out)))


def printed(v):
    """A number as fenra32-calc prints it: nine significant digits, empty when unknown."""
    return "" if math.isnan(v) else "%.9g" % v


STACKS = [
    ("He", 5486, [("mylar", 10, "um")], ["mylar:10um"]),
    ("H", 20000, [("mylar", 50, "um"), ("Al", 200, "um"), ("Si", 300, "um")],
     ["mylar:50um", "Al:200um", "Si:300um"]),
    ("He", 5500, [("mylar", 2, "um"), ("Al", 50, "nm"), ("Si", 500, "um")],
     ["mylar:2um", "Al:50nm", "Si:500um"]),
    ("C", 60000, [("C2H4", 1, "mg/cm2"), ("Au", 2, "um")], ["C2H4:1mg/cm2", "Au:2um"]),
]


@pytest.mark.parametrize("ion,energy,layers,args", STACKS)
def test_transmit_prints_as_fenra32_calc_layers(ion, energy, layers, args):
    record = fenra32.transmit(ion, energy, layers)
    rows = calc_rows("layers", ion, str(energy), *args)
    assert len(record["energy_in_keV"]) == len(rows)
    for name in COLUMNS:
        assert [printed(v) for v in record[name]] == [r[name] for r in rows], name


@pytest.mark.parametrize("ion,energy,layers,args", STACKS[:2])
def test_energy_before_prints_as_fenra32_calc_energy_before(ion, energy, layers, args):
    record = fenra32.energy_before(ion, energy / 2, layers)
    rows = calc_rows("energy-before", ion, str(energy / 2), *args)
    for name in COLUMNS:
        assert [printed(v) for v in record[name]] == [r[name] for r in rows], name
    assert record["energy_out_keV"][-1] == energy / 2


def test_energy_after_keeps_giving_the_energies():
    layers = [("mylar", 10, "um"), ("Si", 10, "um")]
    assert fenra32.energy_after("He", 5486, layers) == \
        list(fenra32.transmit("He", 5486, layers)["energy_out_keV"])


def test_range_with_straggling_prints_as_fenra32_calc_range():
    energies = [1000, 10000, 150000]
    rows = calc_rows("range", "H", "water", *map(str, energies))
    for unit, name in [("1e15 atoms/cm2", "range_sigma_e15"), ("mg/cm2", "range_sigma_mg_cm2"),
                       ("um", "range_sigma_um")]:
        ranges, sigmas = fenra32.range("H", "water", energies, unit=unit, with_straggling=True)
        assert [printed(v) for v in sigmas] == [r[name] for r in rows], name
        assert list(ranges) == list(fenra32.range("H", "water", energies, unit=unit))
    one = fenra32.range("H", "water", 150000, unit="um", with_straggling=True)
    assert isinstance(one, tuple) and len(one) == 2
    assert one[1] / one[0] == pytest.approx(0.0107, abs=0.0005)


def test_spreads_outside_their_formulas_warn():
    with warnings.catch_warnings(record=True) as caught:
        warnings.simplefilter("always")
        fenra32.transmit("Ar", 400, [("C", 10, "ug/cm2")])
        fenra32.range("Ar", "C", 400, with_straggling=True)
    texts = [str(w.message) for w in caught]
    assert texts == [
        "the spreads behind layers[0]: outside the validity of the formulas (below 25 "
        "keV/u, an ion that nearly stops, or angles beyond 0.2 rad); estimates only",
        "the range straggling of the energy 400.0 keV: outside the validity of the "
        "formulas (below 25 keV/u, an ion that nearly stops, or angles beyond 0.2 rad); "
        "estimates only"]
    assert all(w.category is fenra32.ModelRangeWarning for w in caught)


def test_the_model_is_chosen_by_name():
    layers = [("mylar", 10, "um")]
    assert fenra32.transmit("He", 5486, layers, model="modern")["energy_sigma_keV"][0] == \
        fenra32.transmit("He", 5486, layers)["energy_sigma_keV"][0]  # the default
    with pytest.raises(ValueError, match=r'model "nonsense" is not one of classic'):
        fenra32.transmit("He", 5486, layers, model="nonsense")
    with pytest.raises(ValueError, match="nonsense"):
        fenra32.energy_before("He", 5486, layers, model="nonsense")


def test_a_bad_layer_is_named():
    with pytest.raises(ValueError, match=r"layers\[1\]"):
        fenra32.transmit("He", 5000, [("Si", 1, "um"), ("Si", 1, "furlong")])
