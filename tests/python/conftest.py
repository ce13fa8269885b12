"""Shared helpers of the Python module's tests: the build's programs and example files."""

import os
import subprocess
import sys

import pytest

BIN_DIR = os.environ.get("FENRA_BIN_DIR", "")
EXAMPLES_DIR = os.environ.get("FENRA_EXAMPLES_DIR", "")
REFERENCE_TARGET = os.path.join(EXAMPLES_DIR, "reference.fta")
REFERENCE_VALUES = os.path.join(EXAMPLES_DIR, "reference.values")

TARGET_HEADER = (
    "'Fenra32 v1.1 target file\r\n"
    "'Ion             Mass        E (keV)  Range(1e15 atom/cm2)   target\r\n"
    "'---------------------------------------------------------------------\r\n"
)


def run_calc(*args):
    """Runs the build's fenra32-calc; returns (exit status, stdout, stderr)."""
    program = os.path.join(BIN_DIR, "fenra32-calc")
    done = subprocess.run([program, *args], capture_output=True, text=True, check=False)
    return done.returncode, done.stdout, done.stderr


def run_python(code, **environment):
    """Runs code in a new interpreter (the module opens its database once per process)."""
    env = dict(os.environ, **environment)
    done = subprocess.run([sys.executable, "-c", code], capture_output=True, text=True,
                          env=env, check=False)
    return done.returncode, done.stdout, done.stderr


@pytest.fixture
def write_target(tmp_path):
    """Writes a target file of the given data lines (CR LF ends) and returns its path."""

    def write(*lines, name="case.fta"):
        path = tmp_path / name
        path.write_bytes((TARGET_HEADER + "".join(line + "\r\n" for line in lines)).encode())
        return str(path)

    return write
