"""read_target_file and calculate: the four results of fenra32-calc values, to the last digit."""

import concurrent.futures

import numpy
import pytest

import fenra32
from conftest import REFERENCE_TARGET, REFERENCE_VALUES, run_calc, run_python


def values_rows(text):
    """The result columns of `fenra32-calc values` output, one list of texts per data set."""
    lines = text.splitlines()
    assert lines[0] == "set\tStopEvAtoms\tStopKevMg\tStopEvA\tStopKevUm"
    return [line.split("\t")[1:] for line in lines[1:]]


def printed(results):
    return [["%.9g" % v for v in r] for r in results]


def test_the_22_reference_cases_to_the_last_digit():
    with open(REFERENCE_VALUES, encoding="ascii") as f:
        expected = values_rows(f.read())
    assert len(expected) == 22
    assert printed(fenra32.calculate(fenra32.read_target_file(REFERENCE_TARGET))) == expected


def test_results_are_the_singles_the_batch_calculator_prints():
    results = fenra32.calculate(fenra32.read_target_file(REFERENCE_TARGET))
    for r in results:
        assert r._fields == ("stop_ev_atoms", "stop_kev_mg", "stop_ev_a", "stop_kev_um")
        assert all(float(numpy.float32(v)) == v for v in r)
    status, out, err = run_calc("values", REFERENCE_TARGET)
    assert (status, err) == (0, "")
    assert printed(results) == values_rows(out)


def test_a_compound_has_no_length_units():
    sets = fenra32.read_target_file(REFERENCE_TARGET)
    compound = [d for d in sets if len(d.elements) > 1][0]
    r = fenra32.calculate([compound])[0]
    assert r.stop_ev_atoms > 0 and r.stop_kev_mg > 0
    assert (r.stop_ev_a, r.stop_kev_um) == (0, 0)


def test_the_fields_of_a_data_set_read(write_target):
    path = write_target("He             4.0026      5000            2000         Si1O2",
                        "H              0           10              100000       Au.5")
    first, second = fenra32.read_target_file(path)
    assert first.ion == "He"
    assert first.mass == float(numpy.float32(4.0026))
    assert (first.energy, first.range) == (5000, 2000)
    assert first.elements == [("Si", 1), ("O", 2)]
    assert second.mass == 0
    assert second.elements == [("Au", 0.5)]
    assert repr(first) == ("DataSet(ion='He', energy=5000, elements=[('Si', 1), ('O', 2)], "
                           "mass=4.0026, range=2000)")


def test_a_data_set_made_in_python_gives_the_numbers_of_the_same_file(write_target):
    path = write_target("He             0           5000            100000       Si1O2",
                        "Au             196.97      300000          100000       C10H8O4")
    status, out, err = run_calc("values", path)
    assert (status, err) == (0, "")
    made = [fenra32.DataSet("He", 5000, [("Si", 1), ("O", 2)]),
            fenra32.DataSet("Au", 300000, [("C", 10), ("H", 8), ("O", 4)], mass=196.97)]
    assert printed(fenra32.calculate(made)) == values_rows(out)
    # The data sets given are not changed: the mass 0 stays "the ion's default".
    assert made[0].mass == 0


def test_a_changed_data_set_is_calculated_as_changed():
    sets = fenra32.read_target_file(REFERENCE_TARGET)
    before = fenra32.calculate(sets[:1])[0]
    sets[0].energy = 2 * sets[0].energy
    sets[0].elements = [("Si", 1), ("O", 2)]
    after = fenra32.calculate(sets[:1])[0]
    assert after.stop_ev_atoms != before.stop_ev_atoms
    assert after.stop_ev_a == 0


def test_no_data_sets_give_no_results():
    assert fenra32.calculate([]) == []


def test_calculations_in_several_threads_agree():
    sets = fenra32.read_target_file(REFERENCE_TARGET)
    alone = fenra32.calculate(sets)
    with concurrent.futures.ThreadPoolExecutor(max_workers=4) as pool:
        together = list(pool.map(lambda _: fenra32.calculate(sets), range(16)))
    assert all(r == alone for r in together)


# Each error: its Python type and the words of fenra32-calc, which adds its name and the file.
@pytest.mark.parametrize("line, error, words", [
    ("He             0           5000            100000       Xx1", LookupError,
     'Data set 1: the element "Xx" is not in the element database.'),
    ("Qq             0           5000            100000       Si1", LookupError,
     'Data set 1: the ion "Qq" is not in the element database.'),
    ("He             0           5000            100000       Si0", ValueError,
     "Data set 1: its one target element has ratio 0; nothing was calculated."),
    ("He             0           -5000           100000       Si1", ValueError,
     "Data set 1: the energy -5000 keV is not above 0."),
])
def test_a_data_set_that_cannot_be_calculated(write_target, line, error, words):
    path = write_target(line)
    with pytest.raises(error) as raised:
        fenra32.calculate(fenra32.read_target_file(path))
    assert str(raised.value) == words
    status, _, err = run_calc("values", path)
    assert status == 1
    assert err == f"fenra32-calc: {path}: {words}\n"


def test_the_first_failing_data_set_is_named():
    sets = [fenra32.DataSet("H", 100, [("Si", 1)]), fenra32.DataSet("H", 100, [])]
    with pytest.raises(ValueError, match=r"^Data set 2 has no target element: enter a ratio "
                                         r"for target 1\.$"):
        fenra32.calculate(sets)


def test_more_than_100_data_sets_are_refused():
    sets = [fenra32.DataSet("H", 100, [("Si", 1)])] * 101
    with pytest.raises(ValueError, match="^Number of target can't exceed 100$"):
        fenra32.calculate(sets)
    assert len(fenra32.calculate(sets[:100])) == 100


def test_more_than_ten_elements_are_refused():
    with pytest.raises(ValueError, match=r"^A data set holds at most 10 target elements\.$"):
        fenra32.DataSet("H", 100, [("H", 1)] * 11)
    d = fenra32.DataSet("H", 100, [("H", 1)] * 10)
    with pytest.raises(ValueError, match=r"^A data set holds at most 10 target elements\.$"):
        d.elements = [("H", 1)] * 11
    assert len(d.elements) == 10


def test_a_file_that_cannot_be_read(tmp_path):
    missing = str(tmp_path / "none.fta")
    with pytest.raises(OSError) as raised:
        fenra32.read_target_file(missing)
    _, _, err = run_calc("values", missing)
    assert err == f"fenra32-calc: {raised.value}\n"
    assert missing in str(raised.value)


def test_a_file_without_data_lines(write_target):
    path = write_target()
    with pytest.raises(ValueError) as raised:
        fenra32.read_target_file(path)
    assert str(raised.value) == f"{path}: The file holds no data line: the data sets are unchanged."


def test_an_invalid_element_names_its_line(write_target):
    path = write_target("H              0           100             100000       Si1",
                        "H              0           100             100000       Siii1")
    with pytest.raises(ValueError) as raised:
        fenra32.read_target_file(path)
    assert str(raised.value) == f'{path}, line 5: Invalid element !! ("Siii")'
    # fenra32-calc goes on to calculate the data sets read; the module raises at once.
    _, _, err = run_calc("values", path)
    assert err.splitlines()[0] == f"fenra32-calc: {raised.value}"


def test_elements_kept_back_are_not_passed_over(write_target):
    path = write_target("H              0           100             100000       " + "H1" * 11)
    with pytest.raises(ValueError) as raised:
        fenra32.read_target_file(path)
    assert str(raised.value) == f"{path}: Data set 1: only the first 10 target elements were read."


def test_a_path_object_is_read(tmp_path, write_target):
    path = write_target("H              0           100             100000       Si1")
    import pathlib
    assert len(fenra32.read_target_file(pathlib.Path(path))) == 1


def test_the_database_beside_the_module_is_read():
    assert fenra32.database_path().endswith("/python/Fenra32.mdb")


def test_a_missing_database_is_an_os_error(tmp_path):
    missing = str(tmp_path / "none.mdb")
    code = ("import fenra32\n"
            "try:\n"
            "    fenra32.calculate([fenra32.DataSet('H', 100, [('Si', 1)])])\n"
            "except OSError as e:\n"
            "    print(e)\n")
    status, out, err = run_python(code, FENRA32_DB=missing)
    assert (status, err) == (0, "")
    assert out == f'Element database "{missing}" not found (FENRA32_DB).\n'


def test_a_number_read_otherwise_than_written_warns_as_the_batch_calculator_does(write_target):
    path = write_target("H              1.008       1,000           100000       Si1")
    with pytest.warns(UserWarning) as caught:
        (d,) = fenra32.read_target_file(path)
    assert d.energy == 1
    status, _, err = run_calc("values", path)
    assert status == 0
    texts = [str(w.message) for w in caught]
    assert texts and all(("fenra32-calc: " + t) in err for t in texts)
