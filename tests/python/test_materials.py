"""Material and materials(): what a material text means."""

import pytest

import fenra32


def test_a_formula():
    m = fenra32.Material("Ca(OH)2")
    assert m.name == "Ca(OH)2"
    assert m.elements == [("Ca", 1), ("O", 2), ("H", 2)]
    assert m.density is None
    assert repr(m) == "Material('Ca(OH)2')"


def test_a_listed_name_in_any_case():
    m = fenra32.Material("WATER")
    assert sorted(m.elements) == [("H", 2), ("O", 1)]
    assert m.density == 1.0
    # The ratio-weighted natural masses of the element table.
    h = fenra32.Material("H").mean_mass
    o = fenra32.Material("O").mean_mass
    assert m.mean_mass == pytest.approx((2 * h + o) / 3, rel=1e-12)
    assert 6.0 < m.mean_mass < 6.01


def test_an_element_has_the_density_of_the_element_table():
    si = fenra32.Material("Si")
    assert si.elements == [("Si", 1)]
    assert si.density == pytest.approx(2.33, rel=0.01)


def test_a_density_given_replaces_the_materials_own():
    assert fenra32.Material("Si", density=2.0).density == 2.0
    assert fenra32.Material("H2O", 1.0).density == 1.0
    for bad in (0, -1, float("inf"), float("nan")):
        with pytest.raises(ValueError):
            fenra32.Material("Si", density=bad)


@pytest.mark.parametrize("text, error", [("H2O)", ValueError), ("2H", ValueError),
                                         ("Xx3", LookupError), ("", ValueError),
                                         ("kryptonite", LookupError),
                                         ("H1C1N1O1F1Na1Mg1Al1Si1P1S1", ValueError)])
def test_refused_texts(text, error):
    with pytest.raises(error):
        fenra32.Material(text)


def test_the_built_in_list():
    listed = fenra32.materials()
    names = [m.name for m in listed]
    assert len(names) >= 30 and len(set(names)) == len(names)
    for wanted in ("water", "air", "mylar", "kapton", "bgo", "si3n4", "caf2"):
        assert wanted in names
    for m in listed:
        material = fenra32.Material(m.name)
        assert material.density == m.density > 0
        assert material.elements == fenra32.Material(m.formula).elements
        assert m.source
