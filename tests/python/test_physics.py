"""stopping, range, energy_for_range and energy_after: fenra32-calc's numbers, scalars and arrays."""

import concurrent.futures
import csv
import io
import warnings

import numpy
import pytest

import fenra32
from conftest import REFERENCE_TARGET, REFERENCE_VALUES, run_calc, run_python


def calc_csv(*args):
    """The rows of a fenra32-calc command run with --csv, as dicts of texts."""
    status, out, err = run_calc("--csv", *args)
    assert (status, err) == (0, ""), err
    return list(csv.DictReader(io.StringIO(out)))


def nine(v):
    return "%.9g" % v


STOPPING_CASES = [("He", "Si", [5000, 1000, 30]), ("H", "Al", [100, 10000, 250000]),
                  ("Au", "mylar", [300000, 5000]), ("O", "SiO2", [16000]),
                  ("C", "water", [12000, 600])]


@pytest.mark.parametrize("ion, material, energies", STOPPING_CASES)
def test_stopping_equals_fenra32_calc_stopping_to_the_last_digit(ion, material, energies):
    rows = calc_csv("stopping", ion, material, *map(str, energies))
    columns = [("electronic_eV_e15", "electronic", "eV/(1e15 atoms/cm2)"),
               ("nuclear_eV_e15", "nuclear", "eV/(1e15 atoms/cm2)"),
               ("total_eV_e15", "total", "eV/(1e15 atoms/cm2)"),
               ("electronic_keV_mg_cm2", "electronic", "keV/(mg/cm2)"),
               ("total_keV_mg_cm2", "total", "keV/(mg/cm2)")]
    if fenra32.Material(material).density is not None:
        columns += [("electronic_keV_um", "electronic", "keV/um"),
                    ("total_keV_um", "total", "keV/um")]
    for header, kind, unit in columns:
        got = fenra32.stopping(ion, material, energies, kind=kind, unit=unit)
        assert [nine(v) for v in got] == [row[header] for row in rows], header


@pytest.mark.filterwarnings("ignore::fenra32.ModelRangeWarning")
def test_electronic_stopping_is_the_windows_result_in_the_reference_cases():
    with open(REFERENCE_VALUES, encoding="ascii") as f:
        expected = [line.split("\t")[1] for line in f.read().splitlines()[1:]]
    sets = fenra32.read_target_file(REFERENCE_TARGET)
    assert len(sets) == len(expected) == 22
    for d, want in zip(sets, expected):
        formula = "".join(f"{symbol}{ratio:.9g}" for symbol, ratio in d.elements)
        got = fenra32.stopping(d.ion, formula, d.energy, mass=d.mass or None, model="classic")
        assert nine(got) == want, d


def test_range_and_energy_for_range_equal_fenra32_calc():
    energies = [5000, 1000, 100]
    status, out, err = run_calc("--csv", "range", "He", "Si", *map(str, energies))
    # 100 keV is just below 25 keV/u for this helium: its range straggling is an estimate.
    assert (status, err) == (0, "fenra32-calc: warning: the range straggling of ENERGY 100: "
                                "outside the validity of the formulas (below 25 keV/u, an ion "
                                "that nearly stops, or angles beyond 0.2 rad); estimates only\n")
    rows = list(csv.DictReader(io.StringIO(out)))
    for header, unit in [("range_e15", "1e15 atoms/cm2"), ("range_mg_cm2", "mg/cm2"),
                         ("range_um", "um")]:
        got = fenra32.range("He", "Si", energies, unit=unit)
        assert [nine(v) for v in got] == [row[header] for row in rows]
    rows = calc_csv("energy-for-range", "He", "Si", "5um", "2mg/cm2")
    got = [fenra32.energy_for_range("He", "Si", 5, unit="um"),
           fenra32.energy_for_range("He", "Si", 2, unit="mg/cm2")]
    assert [nine(v) for v in got] == [row["energy_keV"] for row in rows]


def test_energy_after_equals_fenra32_calc_layers():
    rows = calc_csv("layers", "He", "5MeV", "mylar:2um", "Al:50nm", "Si:100um")
    got = fenra32.energy_after("He", 5000, [("mylar", 2, "um"), ("Al", 50, "nm"),
                                            ("Si", 100, "um")])
    assert [nine(v) for v in got] == [row["energy_out_keV"] for row in rows]
    assert got[-1] == 0  # stopped in the silicon
    # A layer's own density, and every layer after the one the ion stops in, at 0. The classic
    # fit knows no mean excitation energy, so the formula at water's density is water.
    thin = fenra32.energy_after("He", 5000, [("H2O", 2, "um", 1.0), ("Si", 1, "mm"),
                                             ("Al", 1, "nm")], model="classic")
    assert thin[0] == fenra32.energy_after("He", 5000, [("water", 2, "um")], model="classic")[0]
    assert thin[1:] == [0, 0]


def test_an_energy_for_a_range_is_the_inverse_of_the_range():
    energies = numpy.geomspace(10, 1e6, 50)
    ranges = fenra32.range("C", "kapton", energies, unit="mg/cm2")
    back = fenra32.energy_for_range("C", "kapton", ranges, unit="mg/cm2")
    assert numpy.allclose(back, energies, rtol=1e-7, atol=0)


@pytest.mark.filterwarnings("ignore::fenra32.ModelRangeWarning")
def test_arrays_give_the_scalars_values():
    energies = [1, 30.5, 1000, 2.5e5]
    calls = [
        lambda e: fenra32.stopping("He", "Si", e),
        lambda e: fenra32.stopping("Pb", "Ca(OH)2", e, kind="total", unit="keV/(mg/cm2)"),
        lambda e: fenra32.stopping("He", "Si", e, kind="nuclear", unit="eV/A", mass=3.016),
        lambda e: fenra32.range("H", "air", e, unit="mm"),
        lambda e: fenra32.energy_for_range("H", "Au", e, unit="ug/cm2"),
    ]
    for call in calls:
        scalars = [call(e) for e in energies]
        assert all(type(s) is float for s in scalars)
        for given in (energies, numpy.array(energies), tuple(energies)):
            got = call(given)
            assert isinstance(got, numpy.ndarray) and got.dtype == numpy.float64
            assert got.tolist() == scalars
    after = fenra32.energy_after("He", energies, [("Si", 1, "um"), ("Au", 10, "ug/cm2")])
    assert after.shape == (4, 2)
    assert after.tolist() == [fenra32.energy_after("He", e, [("Si", 1, "um"),
                                                            ("Au", 10, "ug/cm2")])
                              for e in energies]


def test_the_shape_of_an_array_is_kept():
    grid = numpy.array([[100.0, 200.0, 300.0], [400.0, 500.0, 600.0]])
    got = fenra32.stopping("He", "Si", grid)
    assert got.shape == (2, 3)
    assert got[1, 2] == fenra32.stopping("He", "Si", 600)
    assert fenra32.range("He", "Si", numpy.array([], dtype=float)).shape == (0,)
    assert fenra32.energy_after("He", grid, [("Si", 1, "um")]).shape == (2, 3, 1)
    # A numpy scalar is a scalar; float32 energies are read as they are.
    assert type(fenra32.stopping("He", "Si", numpy.float32(500))) is float
    assert fenra32.stopping("He", "Si", numpy.array([500], dtype=numpy.float32))[0] == \
        fenra32.stopping("He", "Si", 500)


def test_a_material_object_gives_the_numbers_of_its_text():
    water = fenra32.Material("water")
    assert fenra32.range("He", water, 5000, unit="um") == \
        fenra32.range("He", "water", 5000, unit="um")
    # With the classic fit the formula at water's density is water; the modern model takes
    # water's own mean excitation energy (78 eV) where the formula has Bragg's (about 70 eV).
    dense = fenra32.Material("H2O", density=2.0)
    assert fenra32.range("He", dense, 5000, unit="um", model="classic") == pytest.approx(
        fenra32.range("He", water, 5000, unit="um", model="classic") / 2, rel=1e-12)
    assert fenra32.range("He", "H2O", 5000, unit="um", density=1.0, model="classic") == \
        fenra32.range("He", "water", 5000, unit="um", model="classic")
    assert fenra32.range("He", "H2O", 5000, unit="um", density=1.0) < \
        fenra32.range("He", "water", 5000, unit="um")


def test_the_mass_of_the_ion_counts():
    # The default is the most abundant isotope's mass as the window shows it: 4.0026 for He.
    default = fenra32.stopping("He", "Si", 5000)
    assert fenra32.stopping("He", "Si", 5000, mass=4.0026) == default
    assert fenra32.stopping("He", "Si", 5000, mass=3.016029) != default
    assert fenra32.stopping(2, "Si", 5000) == default  # an atomic number


@pytest.mark.parametrize("call, error, words", [
    (lambda: fenra32.stopping("Xx", "Si", 1), LookupError,
     'ION "Xx": the ion "Xx" is not in the element table'),
    (lambda: fenra32.stopping("He", "unobtainium", 1), LookupError,
     'MATERIAL "unobtainium": the material "unobtainium" is neither an element symbol, a '
     'formula nor a listed material'),
    (lambda: fenra32.stopping("He", "H2O)", 1), ValueError,
     'MATERIAL "H2O)": the formula "H2O)" has an unmatched \')\' at character 4'),
    (lambda: fenra32.stopping("He", "Xx3", 1), LookupError, None),
    (lambda: fenra32.stopping("He", "Si", -1), ValueError,
     "the energy is not a finite number of at least 0 keV"),
    (lambda: fenra32.stopping("He", "Si", [1, float("nan")]), ValueError,
     "energy[1]: the energy is not a finite number of at least 0 keV"),
    (lambda: fenra32.stopping("He", "Si", "5000"), ValueError,
     "energy must be a number or numbers, not text"),
    (lambda: fenra32.stopping("He", "Si", [[1], [2, 3]]), ValueError,
     "energy is not a number or a sequence of numbers"),
    (lambda: fenra32.stopping("He", "Si", 1, unit="keV/mg"), ValueError,
     'unit "keV/mg" is not one of eV/(1e15 atoms/cm2), keV/(mg/cm2), MeV/(mg/cm2), MeV cm2/g, '
     'eV/A, keV/um or keV/nm'),
    (lambda: fenra32.stopping("He", "Si", 1, kind="ionic"), ValueError,
     'kind "ionic" is not one of electronic, nuclear or total'),
    (lambda: fenra32.stopping("He", "H2O", 1, unit="keV/um"), ValueError,
     'a length needs a density: the material "H2O" has no density'),
    (lambda: fenra32.range("He", "Si", 1, unit="furlong"), ValueError,
     'unit "furlong" is not one of 1e15 atoms/cm2 (e15/cm2), g/cm2, mg/cm2, ug/cm2, A, nm, um, '
     'mm or cm'),
    (lambda: fenra32.range("He", "Si", 1, density=-2), ValueError, None),
    (lambda: fenra32.range("He", "Si", 1, mass=0), ValueError, "mass 0.0 is not a positive number"),
    (lambda: fenra32.energy_for_range("He", "Si", -5), ValueError,
     "the range is not a finite number of at least 0"),
    (lambda: fenra32.energy_after("He", 100, [("Si", 1)]), ValueError,
     "layers[0] is not (material, thickness, unit[, density])"),
    (lambda: fenra32.energy_after("He", 100, [("Si", 1, "um"), ("H2O", 1, "um")]), ValueError,
     'layers[1]: a length needs a density: the material "H2O" has no density'),
    (lambda: fenra32.energy_after("He", 100, [("Si", "thick", "um")]), ValueError,
     "layers[0] is not (material, thickness, unit[, density])"),
    (lambda: fenra32.stopping("He", 14, 100), TypeError, "material must be a text or a Material"),
    (lambda: fenra32.energy_after("He", 100, [("Si", -1, "um")]), ValueError,
     "a layer thickness is not a finite number of at least 0"),
])
@pytest.mark.filterwarnings("ignore::fenra32.ModelRangeWarning")
def test_each_error(call, error, words):
    with pytest.raises(error) as raised:
        call()
    if words is not None:
        assert str(raised.value) == words


def test_the_errors_have_the_words_of_fenra32_calc():
    status, _, err = run_calc("stopping", "Xx", "Si", "1")
    with pytest.raises(LookupError) as raised:
        fenra32.stopping("Xx", "Si", 1)
    assert (status, err) == (2, f"fenra32-calc: {raised.value}\n")
    status, _, err = run_calc("range", "He", "H2O)", "1")
    with pytest.raises(ValueError) as raised:
        fenra32.range("He", "H2O)", 1)
    assert (status, err) == (2, f"fenra32-calc: {raised.value}\n")


def test_energies_outside_the_model_are_computed_with_a_warning():
    with pytest.warns(fenra32.ModelRangeWarning, match="^the energy 0.5 keV is outside the "
                      "model's 1 keV/u to 2 GeV/u; the result is extrapolated$"):
        low = fenra32.stopping("He", "Si", 0.5, model="classic")
    assert low > 0
    with pytest.warns(fenra32.ModelRangeWarning, match="^2 of the energies are outside the "
                      "model's 1 keV/u to 2 GeV/u; their results are extrapolated$"):
        fenra32.range("H", "Si", [0.5, 1000, 3e6], model="classic")
    with pytest.warns(fenra32.ModelRangeWarning, match=r"^the energy \S+ keV for the range "
                      r"0\.01 is outside"):
        fenra32.energy_for_range("H", "Si", 0.01)
    with warnings.catch_warnings():
        warnings.simplefilter("error")
        fenra32.stopping("He", "Si", [5000, 10000])  # inside: no warning
        with pytest.raises(fenra32.ModelRangeWarning):
            fenra32.stopping("He", "Si", 1e10)


def test_calls_in_several_threads_agree():
    energies = numpy.geomspace(5, 5e5, 2000)
    alone = fenra32.range("He", "mylar", energies)
    with concurrent.futures.ThreadPoolExecutor(max_workers=4) as pool:
        together = list(pool.map(lambda _: fenra32.range("He", "mylar", energies), range(8)))
    assert all(numpy.array_equal(r, alone) for r in together)


def test_single_numbers_need_no_numpy():
    code = ("import sys\n"
            "sys.modules['numpy'] = None\n"  # any import of numpy now fails
            "import fenra32\n"
            "print(fenra32.stopping('He', 'Si', 5000), fenra32.range('He', 'Si', 5000))\n"
            "fenra32.stopping('He', 'Si', [5000])\n")
    status, out, err = run_python(code)
    assert out == f"{fenra32.stopping('He', 'Si', 5000)!r} {fenra32.range('He', 'Si', 5000)!r}\n"
    assert status == 1 and "numpy" in err
