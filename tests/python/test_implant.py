"""implant(): the ion paths simulation, its summary and histograms as numpy arrays."""

import csv
import io
import signal
import threading
import time

import numpy
import pytest

import fenra32
from conftest import run_calc, run_python


def test_same_numbers_as_fenra32_calc():
    status, out, err = run_calc("implant", "P", "40keV", "Al:20nm", "Si:1um", "--ions", "300",
                                "--seed", "5", "--bins", "10", "--csv")
    assert (status, err) == (0, "")
    rows = list(csv.DictReader(io.StringIO("\n".join(
        line for line in out.splitlines() if not line.startswith("#")))))
    r = fenra32.implant("P", 40, [("Al", 20, "nm"), ("Si", 1, "um")], ions=300, seed=5,
                        bins=10, threads=3)
    assert r["ions"] == 300
    assert [float(row["stopped_ions"]) for row in rows] == list(r["depth_counts"])
    assert ["%.9g" % v for v in r["electronic_deposit"]] == \
        [row["electronic_eV_nm"] for row in rows]
    assert ["%.9g" % v for v in r["nuclear_deposit_error"]] == \
        [row["nuclear_eV_nm_error"] for row in rows]
    assert ["%.9g" % v for v in r["depth_counts_error"]] == \
        [row["stopped_ions_error"] for row in rows]
    assert "# projected range: %.9g +- %.9g nm" % (
        r["projected_range"], r["projected_range_error"]) in out


def test_arrays_and_summary_fit_together():
    r = fenra32.implant("B", 30, [("Si", 60, "nm"), ("Si", 1, "um")], ions=400, bins=20)
    assert r["depth_edges"].shape == (21,) and r["depth_counts"].shape == (20,)
    assert r["energy_edges"][-1] == pytest.approx(30)
    assert r["angle_edges"][-1] == pytest.approx(90)
    assert list(r["layer_faces"]) == pytest.approx([0, 60, 1060])
    assert r["stopped"] + r["backscattered"] + r["transmitted"] == 400
    assert r["stopped_per_layer"].sum() == r["stopped"]
    assert r["backscattered_spectrum"].sum() == r["backscattered"]
    assert r["recoils_followed"] is False
    assert 0 < r["projected_range_error"] < r["straggle"]
    # The histogram reaches beyond nearly every path; what lies deeper is not in it.
    width = r["depth_edges"][1] - r["depth_edges"][0]
    deposited = r["electronic_deposit"].sum() * width / 1000
    assert r["electronic_energy"] * 0.999 < deposited <= r["electronic_energy"] * (1 + 1e-12)


def test_straggling_off_as_the_command_line():
    args = ("implant", "H", "2MeV", "Si:1um", "--ions", "300", "--seed", "4", "--csv")
    layers = [("Si", 1, "um")]
    for flag, straggling in (((), True), (("--no-straggling",), False)):
        status, out, err = run_calc(*args, *flag)
        assert (status, err) == (0, "")
        r = fenra32.implant("H", 2000, layers, ions=300, seed=4, straggling=straggling)
        assert "# transmitted energy spread: %.9g +- %.9g keV" % (
            r["transmitted_energy_spread"], r["transmitted_energy_spread_error"]) in out
    default = fenra32.implant("H", 2000, layers, ions=300, seed=4)
    off = fenra32.implant("H", 2000, layers, ions=300, seed=4, straggling=False)
    assert default["transmitted_energy_spread"] > 3
    assert 0 < off["transmitted_energy_spread"] < 0.03 * default["transmitted_energy_spread"]


@pytest.mark.parametrize("flag, displacement, words", [
    ((), 25, "Ed 25 eV"),
    (("--displacement", "40"), 40, "Ed 40 eV"),
    (("--displacement", "O=28,Si=15"), {"O": 28, "Si": 15}, "Ed Si 15 eV, O 28 eV"),
])
def test_displacement_energies_as_the_command_line(flag, displacement, words):
    status, out, err = run_calc("implant", "B", "20keV", "SiO2:100nm", "--density", "2.2",
                                "--ions", "200", "--bins", "4", "--csv", *flag)
    assert (status, err) == (0, "")
    r = fenra32.implant("B", 20, [("SiO2", 100, "nm", 2.2)], ions=200, bins=4,
                        displacement=displacement)
    assert "# displacements per ion (Kinchin-Pease, %s): %.9g +- %.9g\n" % (
        words, r["displacements_per_ion"], r["displacements_per_ion_error"]) in out
    for key, line in (("electronic_energy", "energy per ion to electrons"),
                      ("nuclear_energy", "energy per ion to nuclei")):
        assert "# %s: %.9g +- %.9g keV\n" % (line, r[key], r[key + "_error"]) in out
    assert "# collisions per ion: %.9g +- %.9g\n" % (
        r["collisions_per_ion"], r["collisions_per_ion_error"]) in out


def test_threads_do_not_change_the_numbers():
    one = fenra32.implant("As", 60, [("Si", 300, "nm")], ions=300, seed=9, threads=1)
    many = fenra32.implant("As", 60, [("Si", 300, "nm")], ions=300, seed=9, threads=8)
    assert numpy.array_equal(one["depth_counts"], many["depth_counts"])
    assert numpy.array_equal(one["nuclear_deposit"], many["nuclear_deposit"])
    assert one["kurtosis"] == many["kurtosis"]


def test_runs_without_the_interpreter_lock():
    ticks = []
    stop = threading.Event()

    def tick():
        while not stop.is_set():
            ticks.append(1)
            time.sleep(0.001)

    t = threading.Thread(target=tick)
    t.start()
    start = time.time()
    fenra32.implant("B", 50, [("Si", 1, "um")], ions=3000, threads=1)
    elapsed = time.time() - start
    stop.set()
    t.join()
    # The ticker ran meanwhile: at least a tick per 10 ms of the run.
    assert len(ticks) > elapsed * 100 * 0.5


def test_the_dict_names_its_values_in_order():
    r = fenra32.implant("He", 5, [("Au", 10, "nm"), ("Si", 1, "um")], ions=20, bins=2)
    means = ["projected_range", "straggle", None, "lateral_spread", "radial_range",
             "path_length", "backscattered_fraction", "transmitted_fraction",
             "backscattered_energy", "backscattered_angle", "transmitted_energy",
             "transmitted_angle", "backscattered_energy_spread", "transmitted_energy_spread"]
    keys = ["ions", "stopped", "backscattered", "transmitted"]
    for name in means:
        keys += ["skewness", "kurtosis"] if name is None else [name, name + "_error"]
    keys += ["electronic_energy", "nuclear_energy", "electronic_energy_error",
             "nuclear_energy_error", "collisions_per_ion", "collisions_per_ion_error",
             "displacements_per_ion", "displacements_per_ion_error", "recoils_followed",
             "stopped_per_layer", "layer_faces", "depth_edges", "depth_counts",
             "electronic_deposit", "nuclear_deposit", "displacements", "depth_counts_error",
             "electronic_deposit_error", "nuclear_deposit_error", "displacements_error",
             "energy_edges", "backscattered_spectrum", "transmitted_spectrum", "angle_edges",
             "backscattered_angles", "transmitted_angles"]
    assert list(r) == keys
    assert r["recoils_followed"] is False
    assert len(r["stopped_per_layer"]) == 2
    assert sum(r["stopped_per_layer"]) == r["stopped"]


@pytest.mark.parametrize("args, kwargs, error, text", [
    (("B", 50, [("SiO2", 1, "um")]), {}, ValueError,
     'layers[0]: a length needs a density: the material "SiO2" has no density'),
    (("B", 50, [("Si", 1, "um")]), {"model": "bethe"}, ValueError,
     'model "bethe" is not one of classic or modern'),
    (("B", 0.005, [("Si", 1, "um")]), {}, ValueError, "energy must lie above the cut-off"),
    (("B", 50, []), {}, ValueError, "layers must hold at least one layer"),
    (("B", 50, [("Si", 1, "um")] * 11), {}, ValueError, "layers may hold at most 10 layers"),
    (("B", 50, [("Si", 1, "um")]), {"threads": -1}, ValueError,
     "ions and bins must be at least 1, threads at least 0, cutoff positive and below the energy"),
    (("B", 50, [("Si", 1, "um")]), {"angle": 90}, ValueError,
     "angle must lie from 0 to below 90 degrees"),
    (("Xx", 50, [("Si", 1, "um")]), {}, LookupError, 'the ion "Xx" is not in the element table'),
    (("B", 50, [("Si", 1, "um")]), {"displacement": 0.5}, ValueError,
     'the displacement energy "0.5" is not a number of eV from 1 to 1000'),
    (("B", 50, [("Si", 1, "um")]), {"displacement": {"Si": float("nan")}}, ValueError,
     'the displacement energy "nan" is not a number of eV from 1 to 1000'),
    (("B", 50, [("Si", 1, "um")]), {"displacement": {"Ge": 15}}, ValueError,
     'a displacement energy is given for "Ge", an element of no layer'),
    (("B", 50, [("Si", 1, "um")]), {"displacement": "many"}, ValueError, "many"),
])
def test_refusals(args, kwargs, error, text):
    with pytest.raises(error) as info:
        fenra32.implant(*args, **kwargs)
    assert text in str(info.value)


def test_ctrl_c_raises_keyboard_interrupt():
    code = ("import os, signal, threading, fenra32\n"
            "threading.Timer(0.5, lambda: os.kill(os.getpid(), signal.SIGINT)).start()\n"
            "try:\n"
            "    fenra32.implant('B', 50, [('Si', 1, 'um')], ions=100000000)\n"
            "except KeyboardInterrupt:\n"
            "    print('interrupted')\n")
    status, out, err = run_python(code)
    assert (status, out) == (0, "interrupted\n"), err
