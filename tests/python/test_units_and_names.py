"""Particle names and isotopes as ions, energies, thicknesses and stoppings in the units people
type, energy steps, and the two depths of a stop: as fenra32-calc reads and prints them."""

import csv
import io
import math

import numpy
import pytest

import fenra32
from conftest import run_calc


def calc_rows(*args):
    status, out, err = run_calc("--csv", *args)
    assert status == 0, err
    return list(csv.DictReader(io.StringIO(out)))


@pytest.mark.parametrize("name, symbol, mass", [
    ("p", "H", 1.0078250321), ("proton", "H", 1.0078250321), ("d", "H", 2.0141017780),
    ("deuteron", "H", 2.0141017780), ("t", "H", 3.0160492675), ("triton", "H", 3.0160492675),
    ("helion", "He", 3.0160293097), ("alpha", "He", 4.0026032497), ("12C", "C", 12.0),
    ("238U", "U", 238.0507826),
])
def test_a_particle_or_isotope_is_its_element_with_the_isotopes_mass(name, symbol, mass):
    assert fenra32.stopping(name, "Si", [100, 5000]).tolist() == \
        fenra32.stopping(symbol, "Si", [100, 5000], mass=mass).tolist()


def test_an_unknown_isotope_is_named():
    with pytest.raises(LookupError) as raised:
        fenra32.range("300U", "Si", 1)
    assert str(raised.value) == ('ION "300U": the isotope "300U" has no measured mass in the '
                                 'isotope table (U: mass numbers 219 to 240)')


@pytest.mark.parametrize("value, unit, kev", [
    (500, "eV", 0.5), (5, "keV", 5), (5, "MeV", 5000), (0.002, "GeV", 2000),
    (250, "keV/u", 250 * 4.0026032497), (1.5, "MeV/u", 1500 * 4.0026032497),
    (0.001, "GeV/u", 1000 * 4.0026032497),
])
def test_energy_units_give_the_stopping_of_the_energy_in_keV(value, unit, kev):
    assert fenra32.stopping("alpha", "Si", value, energy_unit=unit) == \
        pytest.approx(fenra32.stopping("alpha", "Si", kev), rel=1e-12)
    assert fenra32.range("alpha", "Si", value, energy_unit=unit) == \
        pytest.approx(fenra32.range("alpha", "Si", kev), rel=1e-12)


@pytest.mark.parametrize("unit, base, factor", [
    ("A", "nm", 10), ("\u00c5", "nm", 10), ("cm", "mm", 0.1), ("g/cm2", "mg/cm2", 1e-3),
    ("\u00b5g/cm2", "ug/cm2", 1), ("\u00b5m", "um", 1), ("e15/cm2", "1e15 atoms/cm2", 1),
])
def test_thickness_units_scale_their_base_unit(unit, base, factor):
    assert fenra32.range("p", "Si", 2000, unit=unit) == \
        pytest.approx(fenra32.range("p", "Si", 2000, unit=base) * factor, rel=1e-12)
    assert fenra32.energy_for_range("p", "Si", 30 * factor, unit=unit) == \
        pytest.approx(fenra32.energy_for_range("p", "Si", 30, unit=base), rel=1e-9)


@pytest.mark.parametrize("unit, base, factor", [
    ("MeV/(mg/cm2)", "keV/(mg/cm2)", 1e-3), ("MeV cm2/g", "keV/(mg/cm2)", 1),
    ("keV/nm", "keV/um", 1e-3),
])
def test_stopping_units_scale_their_base_unit(unit, base, factor):
    assert fenra32.stopping("p", "Si", 1000, unit=unit, kind="total") == \
        pytest.approx(fenra32.stopping("p", "Si", 1000, unit=base, kind="total") * factor,
                      rel=1e-12)


def test_energy_for_range_answers_in_the_energy_unit():
    kev = fenra32.energy_for_range("alpha", "Si", 20, unit="um")
    assert fenra32.energy_for_range("alpha", "Si", 20, unit="um", energy_unit="MeV/u") == \
        pytest.approx(kev / 1000 / 4.0026032497, rel=1e-12)


def test_energy_steps_are_fenra32_calcs():
    energies = fenra32.energy_steps(10, 100000, 8)
    rows = calc_rows("range", "p", "Si", "--from", "10", "--to", "100000", "--steps", "8")
    assert ["%.9g" % e for e in energies] == [r["energy_keV"] for r in rows]
    assert ["%.9g" % r for r in fenra32.range("p", "Si", energies)] == \
        [r["range_e15"] for r in rows]
    assert energies[0] == 10 and energies[-1] == 100000
    assert fenra32.energy_steps(0, 3, 3, linear=True).tolist() == [0, 1, 2, 3]
    assert isinstance(fenra32.energy_steps(1, 2, 1), numpy.ndarray)


def test_the_stopping_unit_of_fenra32_calc():
    rows = calc_rows("stopping", "p", "Si", "1MeV", "--stopping-unit", "keV/nm")
    assert rows[0]["total_keV_nm"] == "%.9g" % fenra32.stopping(
        "p", "Si", 1, energy_unit="MeV", unit="keV/nm", kind="total")


@pytest.mark.parametrize("call, error, words", [
    (lambda: fenra32.energy_steps(1, 2, 0), ValueError,
     "steps 0 is not a whole number from 1 to 100000"),
    (lambda: fenra32.energy_steps(1, 2, 10**30), ValueError,
     "steps 1000000000000000000000000000000 is not a whole number from 1 to 100000"),
    (lambda: fenra32.energy_steps(1, 2, 2.0), TypeError, "steps must be a whole number, not float"),
    (lambda: fenra32.energy_steps(1, 2, True), TypeError, "steps must be a whole number, not bool"),
    (lambda: fenra32.energy_steps(0, 2, 2), ValueError,
     "start and stop must be above 0 for logarithmic steps (or give linear=True)"),
    (lambda: fenra32.energy_steps(1, math.inf, 2), ValueError,
     "stop inf is not a finite number of at least 0"),
    (lambda: fenra32.energy_steps(-1, 2, 2, linear=True), ValueError,
     "start -1.0 is not a finite number of at least 0"),
    (lambda: fenra32.stopping("p", "Si", 1, energy_unit="TeV"), ValueError,
     'energy_unit "TeV" is not one of eV, keV, MeV, GeV, keV/u, MeV/u or GeV/u'),
    (lambda: fenra32.range("p", "Si", 1, energy_unit="mev"), ValueError,
     'energy_unit "mev" is not one of eV, keV, MeV, GeV, keV/u, MeV/u or GeV/u'),
    (lambda: fenra32.range("p", "Si", 1, unit="Cm"), ValueError,
     'unit "Cm" is not one of 1e15 atoms/cm2 (e15/cm2), g/cm2, mg/cm2, ug/cm2, A, nm, um, mm '
     'or cm'),
    (lambda: fenra32.stopping("p", "H2O", 1, unit="keV/nm"), ValueError,
     'a length needs a density: the material "H2O" has no density'),
])
def test_each_error(call, error, words):
    with pytest.raises(error) as raised:
        call()
    assert str(raised.value) == words


def test_the_warning_names_the_energy_unit():
    with pytest.warns(fenra32.ModelRangeWarning,
                      match=r"^the energy 0\.5 eV is outside the modern model's"):
        fenra32.stopping("p", "Si", 0.5, energy_unit="eV")


def test_transmit_gives_both_depths_and_keeps_the_former_name():
    record = fenra32.transmit("alpha", 5000, [("Si", 10, "um"), ("Au", 30, "um")])
    inside = record["stop_depth_in_layer_e15"]
    front = record["stop_depth_from_front_e15"]
    assert math.isnan(inside[0]) and math.isnan(front[0])
    assert front[1] == pytest.approx(record["thickness_e15"][0] + inside[1], rel=1e-15)
    assert numpy.array_equal(record["stopped_at_e15"], inside, equal_nan=True)
