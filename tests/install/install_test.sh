#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks the installed tree:
#   install_test.sh tree|desktop|appstream|manpages CMAKE BUILD_DIR APP_ID VERSION WITH_UI
#   install_test.sh python CMAKE BUILD_DIR APP_ID VERSION WITH_UI PYTHON MODULE_DIR
# Exit status 77 (a skip for CTest) when a validator is not installed.
set -uo pipefail

what=$1 cmake=$2 build=$3 app_id=$4 version=$5 with_ui=$6
python=${7:-} module_dir=${8:-}
skip=77

prefix=$(mktemp -d "${TMPDIR:-/tmp}/fenra32-install.XXXXXX")
trap 'rm -rf "$prefix"' EXIT
fail() { echo "FAILED: $*" >&2; exit 1; }

"$cmake" --install "$build" --prefix "$prefix" >/dev/null || fail "cmake --install"
calc=$prefix/bin/fenra32-calc
demo=$prefix/share/doc/fenra32/examples/demo.fta
installed_db=$prefix/share/fenra32/Fenra32.mdb
beside_db=$prefix/bin/Fenra32.mdb

need_tool() {
    if ! command -v "$1" >/dev/null; then
        echo "SKIPPED: $1 is not installed (scripts/install-deps installs $2)"
        exit $skip
    fi
}

# Runs the installed calculator with FENRA32_DB as given ("" = unset); sets out, err, status.
run_calc() {
    local env_db=$1
    shift
    local errfile=$prefix/err
    if [ -n "$env_db" ]; then
        out=$(FENRA32_DB=$env_db "$calc" "$@" 2>"$errfile")
    else
        out=$(env -u FENRA32_DB "$calc" "$@" 2>"$errfile")
    fi
    status=$?
    err=$(cat "$errfile")
}

check_tree() {
    local files=(bin/fenra32-calc share/fenra32/Fenra32.mdb share/fenra32/materials.csv
                 share/man/man1/fenra32.1.gz share/man/man1/fenra32-calc.1.gz
                 share/doc/fenra32/copyright share/doc/fenra32/LICENSE
                 share/doc/fenra32/README.md share/doc/fenra32/SOURCES.md
                 share/doc/fenra32/examples/demo.fta)
    if [ "$with_ui" = ON ]; then
        files+=(bin/fenra32 "share/applications/$app_id.desktop"
                "share/metainfo/$app_id.metainfo.xml"
                "share/icons/hicolor/scalable/apps/$app_id.svg"
                "share/icons/hicolor/48x48/apps/$app_id.png"
                "share/icons/hicolor/128x128/apps/$app_id.png")
    fi
    for f in "${files[@]}"; do [ -s "$prefix/$f" ] || fail "$f is not installed"; done
    grep -q "^MIT License" "$prefix/share/doc/fenra32/LICENSE" || fail "LICENSE is not MIT"
    check_copyright "$prefix/share/doc/fenra32/copyright"
    check_compressed_manpages
    cmp -s "$installed_db" "$build/bin/Fenra32.mdb" || fail "the installed database differs"
    if [ "$with_ui" = ON ]; then
        # A PNG starts with its 8-byte signature, then the IHDR chunk: length, "IHDR", width
        # and height as 32-bit big-endian numbers.
        local png hex
        for size in 48 128; do
            png=$prefix/share/icons/hicolor/${size}x${size}/apps/$app_id.png
            hex=$(printf '%08x%08x' "$size" "$size")
            [ "$(head -c 24 "$png" | od -An -v -tx1 | tr -d ' \n')" = \
              "89504e470d0a1a0a0000000d49484452$hex" ] || fail "the ${size}px icon"
        done
        [ "$("$prefix/bin/fenra32" --version | head -1)" = "fenra32 (Fenra32) $version" ] ||
            fail "fenra32 --version"
    fi
    [ "$("$calc" --version | head -1)" = "fenra32-calc (Fenra32) $version" ] ||
        fail "fenra32-calc --version"
}

# Debian's machine-readable form: the format line first, and every licence a Files paragraph
# names has a paragraph of its own with its text.
check_copyright() {
    local file=$1
    [ "$(head -1 "$file")" = \
      "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/" ] ||
        fail "copyright: no format line"
    grep -q "^Files: \*$" "$file" || fail "copyright: no paragraph for all files"
    local used defined name
    used=$(awk '/^Files:/ {f = 1} /^$/ {f = 0} f && /^License:/ {print $2}' "$file" | sort -u)
    defined=$(awk '/^$/ {start = 1; next} start && /^License:/ {print $2} {start = 0}' "$file" |
              sort -u)
    [ -n "$used" ] || fail "copyright: no Files paragraph names a licence"
    for name in $used; do
        grep -qx "$name" <<<"$defined" || fail "copyright: licence $name has no text"
    done
}

# gzip -9n: no file name (flags 00) and no time (0) in the header, maximum compression (02),
# Unix (03); the pages themselves as the build made them.
check_compressed_manpages() {
    local page gz
    for page in fenra32 fenra32-calc; do
        gz=$prefix/share/man/man1/$page.1.gz
        [ "$(head -c 10 "$gz" | od -An -v -tx1 | tr -d ' \n')" = "1f8b0800000000000203" ] ||
            fail "$page.1.gz is not compressed with gzip -9n"
        gzip -dc "$gz" | cmp -s - "$build/dist/$page.1" || fail "$page.1.gz differs from the page"
    done
}

# The installed calculator on the installed example, finding the installed database; the same
# numbers as the build folder's calculator.
check_installed_run() {
    run_calc "" values "$demo"
    [ $status -eq 0 ] || fail "installed fenra32-calc values: $err"
    [ -z "$err" ] || fail "unexpected messages: $err"
    local expected
    expected=$("$build/bin/fenra32-calc" --db "$build/bin/Fenra32.mdb" values "$demo") ||
        fail "the build folder's fenra32-calc"
    [ "$out" = "$expected" ] || fail "installed results differ from the build folder's"
    [ "$(printf '%s\n' "$out" | wc -l)" -eq 8 ] || fail "not 7 data sets: $out"
    # A named material is read from the list installed beside the database.
    run_calc "" range He mylar 5MeV --csv
    [ $status -eq 0 ] || fail "installed fenra32-calc range: $err"
}

# --db, then FENRA32_DB, then beside the program, then ../share/fenra32.
check_search_order() {
    echo "not a database" >"$beside_db"
    run_calc "" values "$demo"
    [ $status -eq 1 ] || fail "a broken database beside the program was passed over"
    [[ "$err" == *"\"$beside_db\" is not an element database"* ]] || fail "beside: $err"

    run_calc "$installed_db" values "$demo"
    [ $status -eq 0 ] || fail "FENRA32_DB did not win over the program's folder: $err"

    run_calc "$installed_db" --db "$beside_db" values "$demo"
    [ $status -eq 1 ] || fail "--db did not win over FENRA32_DB"
    [[ "$err" == *"\"$beside_db\" is not an element database"* ]] || fail "--db: $err"

    run_calc "$prefix/none.mdb" values "$demo"
    [ "$err" = "fenra32-calc: Element database \"$prefix/none.mdb\" not found (FENRA32_DB)." ] ||
        fail "a missing FENRA32_DB file: $err"

    rm -f "$beside_db" "$installed_db"
    run_calc "" values "$demo"
    [ $status -eq 1 ] || fail "ran without a database"
    local want="fenra32-calc: Element database \"$beside_db\" not found (beside the program).
Element database \"$installed_db\" not found (installed data folder)."
    [ "$err" = "$want" ] || fail "the places looked in: $err"
}

# The installed Python module finds the installed database and gives fenra32-calc's numbers; the
# folder it is installed in is on the system Python's path for the default prefix /usr/local.
check_python() {
    ls "$prefix/$module_dir"/fenra32.*.so >/dev/null 2>&1 || fail "the module is not installed"
    local code="import fenra32
print(fenra32.database_path())
print('set\tStopEvAtoms\tStopKevMg\tStopEvA\tStopKevUm')
for i, r in enumerate(fenra32.calculate(fenra32.read_target_file('$demo')), 1):
    print('\t'.join([str(i)] + ['%.9g' % v for v in r]))"
    out=$(cd / && env -u FENRA32_DB PYTHONPATH="$prefix/$module_dir" "$python" -c "$code" 2>&1) ||
        fail "the installed module: $out"
    local expected
    expected=$("$build/bin/fenra32-calc" --db "$build/bin/Fenra32.mdb" values "$demo") ||
        fail "the build folder's fenra32-calc"
    [ "$out" = "$installed_db
$expected" ] || fail "the installed module's results: $out"
    # A listed material: the material list installed beside the database is found too.
    out=$(cd / && env -u FENRA32_DB PYTHONPATH="$prefix/$module_dir" "$python" -c \
        "import fenra32; print('%.9g' % fenra32.range('He', 'mylar', 5000))" 2>&1) ||
        fail "the installed module's range: $out"
    expected=$("$build/bin/fenra32-calc" --db "$build/bin/Fenra32.mdb" --csv range He mylar 5000 |
               sed -n 2p | cut -d, -f2)
    [ "$out" = "$expected" ] || fail "the installed module's range $out, not $expected"
    "$python" -c "import sys; sys.exit('/usr/local/$module_dir' not in sys.path)" ||
        fail "/usr/local/$module_dir is not on the path of $python"
}

case $what in
    tree)
        check_tree
        check_installed_run
        check_search_order
        ;;
    desktop)
        [ "$with_ui" = ON ] || { echo "SKIPPED: built without the window"; exit $skip; }
        need_tool desktop-file-validate desktop-file-utils
        desktop-file-validate "$prefix/share/applications/$app_id.desktop" || fail "desktop entry"
        ;;
    appstream)
        [ "$with_ui" = ON ] || { echo "SKIPPED: built without the window"; exit $skip; }
        need_tool appstreamcli appstream
        appstreamcli validate --no-net "$prefix/share/metainfo/$app_id.metainfo.xml" ||
            fail "AppStream metadata"
        ;;
    manpages)
        need_tool man man-db
        for page in fenra32 fenra32-calc; do
            warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l -Tutf8 \
                "$prefix/share/man/man1/$page.1.gz" 2>&1 >/dev/null)
            [ -z "$warnings" ] || fail "$page.1: $warnings"
        done
        ;;
    python)
        check_python
        ;;
    *)
        fail "unknown check $what"
        ;;
esac
echo "PASSED: $what"
