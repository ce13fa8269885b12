"""The stopping models: models(), model= on every physics function, the same numbers as
fenra32-calc --model for each model, and each model's warnings."""

import csv
import io
import warnings

import pytest

import fenra32
from conftest import run_calc


def calc_csv(*args):
    status, out, err = run_calc("--csv", *args)
    assert status == 0, err
    return list(csv.DictReader(io.StringIO(out)))


def nine(v):
    return "%.9g" % v


def test_models_lists_classic_then_modern():
    assert fenra32.models() == ["classic", "modern"]


GRID = [("H", "Al", [2000, 50000, 1000000]), ("He", "water", [5000, 400000]),
        ("C", "Au", [24000, 3600000]), ("U", "Si", [2380000, 238000000])]


@pytest.mark.parametrize("model", ["classic", "modern"])
@pytest.mark.parametrize("ion, material, energies", GRID)
def test_each_model_gives_fenra32_calcs_digits(model, ion, material, energies):
    with warnings.catch_warnings():
        warnings.simplefilter("ignore")
        rows = calc_csv("--model", model, "stopping", ion, material, *map(str, energies))
        got = fenra32.stopping(ion, material, energies, model=model)
        assert [nine(v) for v in got] == [row["electronic_eV_e15"] for row in rows]
        rows = calc_csv("--model", model, "range", ion, material, *map(str, energies))
        got = fenra32.range(ion, material, energies, model=model)
        assert [nine(v) for v in got] == [row["range_e15"] for row in rows]
        rows = calc_csv("--model", model, "energy-for-range", ion, material, "1mg/cm2")
        got = fenra32.energy_for_range(ion, material, 1, unit="mg/cm2", model=model)
        assert nine(got) == rows[0]["energy_keV"]
        rows = calc_csv("--model", model, "layers", ion, str(energies[-1]), material + ":10um",
                        "Al:5um")
        got = fenra32.energy_after(ion, energies[-1], [(material, 10, "um"), ("Al", 5, "um")],
                                   model=model)
        assert [nine(v) for v in got] == [row["energy_out_keV"] for row in rows]


def test_modern_is_the_default_and_differs_from_classic_only_above_the_join():
    assert fenra32.stopping("H", "Au", 100) == fenra32.stopping("H", "Au", 100, model="classic")
    assert fenra32.stopping("H", "Au", 100, model="modern") == fenra32.stopping("H", "Au", 100)
    assert fenra32.stopping("H", "Au", 1e5, model="modern") == fenra32.stopping("H", "Au", 1e5)
    assert fenra32.stopping("H", "Au", 1e5, model="classic") != fenra32.stopping("H", "Au", 1e5)
    assert fenra32.transmit("H", 1e5, [("Au", 1, "um")])["energy_out_keV"][0] == \
        fenra32.transmit("H", 1e5, [("Au", 1, "um")], model="modern")["energy_out_keV"][0]


def test_an_unknown_model_is_a_value_error():
    with pytest.raises(ValueError, match='model "bethe" is not one of classic or modern'):
        fenra32.range("H", "Al", 1000, model="bethe")


def test_the_warning_category_says_what_it_warns_of():
    assert issubclass(fenra32.ModelRangeWarning, UserWarning)
    assert fenra32.ModelRangeWarning.__doc__ == (
        "An energy outside the modern model's 1 keV/u to 10 GeV/u or where nuclear stopping is "
        "more than half the total: the result is extrapolated.")


def test_modern_warns_where_nuclear_stopping_dominates_a_heavy_ion():
    with pytest.warns(fenra32.ModelRangeWarning, match="outside the modern model's 1 keV/u to "
                      "10 GeV/u or where nuclear stopping is more than half the total"):
        fenra32.stopping("U", "Al", 2380, model="modern")
    with warnings.catch_warnings():
        warnings.simplefilter("error")
        fenra32.stopping("U", "Al", 2380, model="classic")  # it holds down to 1 keV/u
        fenra32.stopping("U", "Al", 238 * 3e6, model="modern")  # 3 GeV/u: within Bethe


@pytest.mark.parametrize("model, words", [
    ("classic", "outside the model's 1 keV/u to 2 GeV/u"),
    ("modern", "outside the modern model's 1 keV/u to 10 GeV/u or where nuclear stopping is "
               "more than half the total")])
def test_the_layer_warning_names_each_models_limits(model, words):
    with pytest.warns(fenra32.ModelRangeWarning) as caught:
        fenra32.energy_after("He", [2, 5000], [("Si", 1, "um")], model=model)
    assert str(caught[0].message) == ("1 of the energies pass " + words + " on their way "
                                      "through the layers; their results are extrapolated")
