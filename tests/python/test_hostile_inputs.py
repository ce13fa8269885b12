"""Hostile inputs to the module: exceptions of the README's kinds with fenra32-calc's words,
arrays that are no real numbers refused, Ctrl+C heard during a long array, nothing crashed."""

import _thread
import os
import shutil
import threading

import numpy
import pytest

import fenra32
from conftest import BIN_DIR, run_python


@pytest.mark.parametrize(
    "call, error, words",
    [
        (lambda: fenra32.Material("Si\u2082"), ValueError,
         "MATERIAL \"Si\u2082\": the formula \"Si\u2082\" has '\u2082' where an element symbol "
         "or '(' must stand at character 3"),
        (lambda: fenra32.Material("H\x00O"), ValueError,
         "MATERIAL \"H\\x00O\": the formula \"H\\x00O\" has '\\x00' where an element symbol or "
         "'(' must stand at character 2"),
        (lambda: fenra32.Material("(" * 33 + "H" + ")" * 33), ValueError,
         "nests groups deeper than 32 levels at character 33"),
        (lambda: fenra32.Material("(" * 100000 + "H" + ")" * 100000), ValueError,
         "is longer than 1000 characters"),
        (lambda: fenra32.stopping("He", "Si", 10**400), ValueError,
         "energy overflows: it is beyond the numbers the program holds (1.8e308)"),
        (lambda: fenra32.stopping("He", "\ud800", 5000), ValueError,
         "the material is not valid Unicode text: it holds a lone surrogate"),
        (lambda: fenra32.Material("\ud800"), ValueError,
         "the material is not valid Unicode text: it holds a lone surrogate"),
        (lambda: fenra32.range("\udfff", "Si", 5000), ValueError,
         "the ion is not valid Unicode text: it holds a lone surrogate"),
        (lambda: fenra32.range("H", "Si", 5000, mass=1e300), ValueError,
         "is above 1000 amu, heavier than any nucleus"),
        (lambda: fenra32.range("H", "Si", 5000, density=1e300), ValueError,
         "the density is above 1000 g/cm3, denser than any solid"),
        (lambda: fenra32.energy_for_range("H", "Si", 1e45), ArithmeticError,
         "the range is beyond the model's reach"),
        (lambda: fenra32.energy_for_range("H", "Si", [1.0, 1e45]), ArithmeticError,
         "range[1]: the range is beyond the model's reach"),
    ],
)
def test_each_hostile_value_raises_its_kind_with_words(call, error, words):
    with pytest.raises(error) as raised:
        call()
    assert words in str(raised.value)


@pytest.mark.parametrize(
    "values",
    [
        numpy.array(["2020-01-01"], dtype="datetime64[D]"),
        numpy.array([5], dtype="timedelta64[s]"),
        numpy.array([5000 + 1j]),
        numpy.array(["5000"]),
        ["5000"],
        numpy.array([5000], dtype=object),
        numpy.array([True]),
        True,
    ],
)
def test_arrays_of_what_is_no_real_number_are_a_type_error(values):
    with pytest.raises(TypeError, match="energy must be"):
        fenra32.stopping("He", "Si", values)


def test_real_number_arrays_of_every_width_are_taken():
    want = fenra32.stopping("He", "Si", 5000.0)
    for dtype in (numpy.int16, numpy.uint32, numpy.int64, numpy.float32, numpy.float64):
        assert fenra32.stopping("He", "Si", numpy.array([5000], dtype=dtype))[0] == want


def test_a_long_array_hears_ctrl_c():
    # Twenty million values take seconds; the interrupt comes after a tenth of one.
    energies = numpy.full(20_000_000, 5000.0)
    timer = threading.Timer(0.1, _thread.interrupt_main)
    timer.start()
    try:
        with pytest.raises(KeyboardInterrupt):
            fenra32.stopping("He", "Si", energies)
    finally:
        timer.cancel()


def test_a_database_without_its_material_list_is_an_os_error(tmp_path):
    shutil.copy(os.path.join(BIN_DIR, "Fenra32.mdb"), tmp_path / "Fenra32.mdb")
    code = (
        "import fenra32\n"
        "try:\n"
        "    fenra32.stopping('He', 'Si', 5000)\n"
        "except OSError as e:\n"
        "    print('OSError', e)\n"
    )
    status, out, err = run_python(code, FENRA32_DB=str(tmp_path / "Fenra32.mdb"))
    assert status == 0, err
    assert out == (f"OSError cannot read the material list {tmp_path}/materials.csv: "
                   "No such file or directory\n")


def test_a_fifo_as_the_database_is_an_os_error_at_once(tmp_path):
    fifo = tmp_path / "f.mdb"
    os.mkfifo(fifo)
    code = (
        "import fenra32\n"
        "try:\n"
        "    fenra32.stopping('He', 'Si', 5000)\n"
        "except OSError as e:\n"
        "    print('OSError', e)\n"
    )
    status, out, err = run_python(code, FENRA32_DB=str(fifo))
    assert status == 0, err
    assert out == f'OSError Element database "{fifo}" is a FIFO, not a regular file.\n'


@pytest.mark.parametrize(
    "call, error, words",
    [
        (lambda: fenra32.stopping("H\x00e", "Si", 5000), LookupError,
         'ION "H\\x00e": the ion "H\\x00e" is not in the element table'),
        (lambda: fenra32.stopping("He", "Si", 5000, unit="keV\x00"), ValueError,
         'unit "keV\\x00" is not one of'),
    ],
)
def test_a_nul_is_shown_and_does_not_cut_the_message(call, error, words):
    with pytest.raises(error) as raised:
        call()
    assert words in str(raised.value)
