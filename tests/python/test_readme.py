"""The README's Python examples run as written."""

import json
import os
import re
import subprocess
import sys

import fenra32

README = os.path.join(os.environ.get("FENRA_SOURCE_DIR", ""), "README.md")

# Stands in for matplotlib, which the tests do not need: records what is plotted.
FAKE_PYPLOT = """
plotted = []
def loglog(x, y):
    plotted.append((list(x), list(y)))
def xlabel(text): pass
def ylabel(text): pass
def show():
    import json
    print(json.dumps(plotted))
"""


def readme():
    with open(README, encoding="utf-8") as f:
        return f.read()


def module_dir():
    return os.path.dirname(fenra32.__file__)


def test_the_one_line_example(tmp_path):
    lines = [line.strip() for line in readme().splitlines()
             if line.strip().startswith("PYTHONPATH=build/python python3 -c")]
    assert len(lines) == 1
    # Run from a folder whose build/python is this build's module, with the Python of the tests.
    (tmp_path / "build").mkdir()
    (tmp_path / "build" / "python").symlink_to(module_dir())
    command = lines[0].replace(" python3 ", f" {sys.executable} ", 1)
    env = {k: v for k, v in os.environ.items() if k not in ("PYTHONPATH", "FENRA32_DB")}
    done = subprocess.run(["bash", "-c", command], cwd=tmp_path, env=env, capture_output=True,
                          text=True, check=False)
    assert (done.returncode, done.stderr) == (0, "")
    assert done.stdout == f"{fenra32.stopping('He', 'Si', 5000)!r}\n"


def test_the_range_table_plot(tmp_path):
    blocks = re.findall(r"```python\n(.*?)```", readme(), flags=re.S)
    assert len(blocks) == 1
    script = blocks[0]
    assert len(script.strip().splitlines()) == 5
    (tmp_path / "matplotlib").mkdir()
    (tmp_path / "matplotlib" / "__init__.py").write_text("")
    (tmp_path / "matplotlib" / "pyplot.py").write_text(FAKE_PYPLOT)
    env = dict(os.environ, PYTHONPATH=f"{tmp_path}{os.pathsep}{module_dir()}")
    done = subprocess.run([sys.executable, "-c", script], env=env, capture_output=True,
                          text=True, check=False)
    assert (done.returncode, done.stderr) == (0, "")
    [(mev, um)] = json.loads(done.stdout)
    assert len(mev) == len(um) == 200
    assert um[-1] == fenra32.range("He", "mylar", 100000, unit="um")
    assert all(a < b for a, b in zip(um, um[1:]))
