#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks the installed tree:
#   install_test.sh tree|desktop|appstream|manpages|mime CMAKE BUILD_DIR APP_ID VERSION WITH_UI
#   install_test.sh python CMAKE BUILD_DIR APP_ID VERSION WITH_UI PYTHON MODULE_DIR
#   install_test.sh packages CMAKE BUILD_DIR APP_ID VERSION WITH_UI WITH_PYTHON
# `packages` builds the Debian packages with cpack and checks them (and runs lintian on them
# when it is installed) instead of the tree.
# Exit status 77 (a skip for CTest) when a validator is not installed.
set -uo pipefail

what=$1 cmake=$2 build=$3 app_id=$4 version=$5 with_ui=$6
python=${7:-} module_dir=${8:-}
skip=77
source_dir=$(cd "$(dirname "$0")/../.." && pwd)

prefix=$(mktemp -d "${TMPDIR:-/tmp}/fenra32-install.XXXXXX")
trap 'rm -rf "$prefix"' EXIT
fail() { echo "FAILED: $*" >&2; exit 1; }

if [ "$what" != packages ]; then
    "$cmake" --install "$build" --prefix "$prefix" >/dev/null || fail "cmake --install"
fi
calc=$prefix/bin/fenra32-calc
docs=$prefix/share/doc/fenra32-data
demo=$docs/examples/demo.fta
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
                 share/man/man1/fenra32-calc.1.gz
                 share/doc/fenra32-data/README.md share/doc/fenra32-data/data/SOURCES.md
                 share/doc/fenra32-data/data/MATERIALS.md
                 share/doc/fenra32-data/examples/demo.fta)
    local packages=(fenra32-data fenra32-cli)
    if [ "$with_ui" = ON ]; then
        files+=(bin/fenra32 share/man/man1/fenra32.1.gz "share/applications/$app_id.desktop"
                "share/metainfo/$app_id.metainfo.xml" "share/mime/packages/$app_id.xml"
                "share/icons/hicolor/scalable/apps/$app_id.svg"
                "share/icons/hicolor/48x48/apps/$app_id.png"
                "share/icons/hicolor/128x128/apps/$app_id.png")
        packages+=(fenra32)
    fi
    for f in "${files[@]}"; do [ -s "$prefix/$f" ] || fail "$f is not installed"; done
    # Each package's folder: the licences in copyright (no separate licence file), the upstream
    # changelog and Debian's.
    [ -z "$(find "$prefix" -name 'LICENSE*')" ] || fail "a licence file besides copyright"
    for p in "${packages[@]}"; do
        check_copyright "$prefix/share/doc/$p/copyright"
        check_changelogs "$prefix/share/doc/$p"
    done
    grep -q "^ Permission is hereby granted, free of charge" "$docs/copyright" ||
        fail "copyright does not carry the MIT (Expat) licence"
    # Debian's folder for the modules of every Python is for the package only.
    [ ! -e "$prefix/lib/python3/dist-packages" ] || fail "lib/python3/dist-packages installed"
    check_readme_references
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
        # Both answer without a display: no window system is asked for.
        [ "$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$prefix/bin/fenra32" \
             --version | head -1)" = "fenra32 (Fenra32) $version" ] || fail "fenra32 --version"
        [ "$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$prefix/bin/fenra32" \
             --help | head -1)" = "usage: fenra32 [--version] [--help] [Qt options] [TARGET.fta]" ] ||
            fail "fenra32 --help"
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

# The upstream changelog is CHANGELOG.md, with an entry for this version; Debian's names this
# version with the package's revision.
check_changelogs() {
    local dir=$1
    gzip -dc "$dir/changelog.gz" | cmp -s - "$source_dir/CHANGELOG.md" ||
        fail "$dir/changelog.gz is not CHANGELOG.md"
    grep -q "^## $version (" "$source_dir/CHANGELOG.md" || fail "CHANGELOG.md has no $version"
    [[ "$(gzip -dc "$dir/changelog.Debian.gz" | head -1)" == "fenra32 ($version-"[0-9]*") "* ]] ||
        fail "changelog.Debian.gz does not begin with $version"
}

# Every file of the sources the README names by a path under data/ or examples/ is installed
# at the same place relative to the installed README.
check_readme_references() {
    local named
    named=$(grep -o '`\(data\|examples\)/[A-Za-z0-9_.-]*\.\(md\|fta\)`' "$docs/README.md" |
            tr -d '`' | sort -u)
    [ -n "$named" ] || fail "the README names no data file"
    for f in $named; do
        [ -s "$docs/$f" ] || fail "the README names $f, which is not installed beside it"
    done
}

# gzip -9n: no file name (flags 00) and no time (0) in the header, maximum compression (02),
# Unix (03); the pages themselves as the build made them.
manpages() {
    if [ "$with_ui" = ON ]; then echo fenra32 fenra32-calc; else echo fenra32-calc; fi
}

check_compressed_manpages() {
    local page gz
    for page in $(manpages); do
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
    out=$(cd / && PYTHONPATH="$prefix/$module_dir" "$python" -c \
        "import fenra32; print(fenra32.__version__)" 2>&1)
    [ "$out" = "$version" ] || fail "the module's __version__ is $out, not $version"
    "$python" -c "import sys; sys.exit('/usr/local/$module_dir' not in sys.path)" ||
        fail "/usr/local/$module_dir is not on the path of $python"
}

# The MIME type of target files, as the desktop's database reads it: *.fta, with the icon.
check_mime() {
    update-mime-database "$prefix/share/mime" || fail "update-mime-database"
    grep -qx "application/x-fenra32-target:\*\.fta" "$prefix/share/mime/globs" ||
        fail "no glob *.fta: $(cat "$prefix/share/mime/globs")"
    grep -qx "application/x-fenra32-target:$app_id" "$prefix/share/mime/icons" ||
        fail "no icon for target files"
    grep -qx "MimeType=application/x-fenra32-target;" \
        "$prefix/share/applications/$app_id.desktop" || fail "the desktop entry has no MimeType"
    grep -q "^Exec=fenra32 %f$" "$prefix/share/applications/$app_id.desktop" ||
        fail "the desktop entry does not pass the file"
}

# One field of a package's control file.
field() { dpkg-deb -f "$1" "$2"; }

# The packages cpack builds: their names, versions and dependencies, which files each holds (no
# file in two), the Python module's folder, stripped programs; then lintian, which must find no
# error and no warning.
check_packages() {
    local cpack with_python=${7:-OFF} out=$prefix/packages
    cpack=$(dirname "$cmake")/cpack
    (cd "$build" && "$cpack" -G DEB -B "$out" >"$prefix/cpack.log" 2>&1) ||
        fail "cpack: $(tail -20 "$prefix/cpack.log")"
    local names=(fenra32-data fenra32-cli) arch
    arch=$(dpkg --print-architecture)
    [ "$with_python" = ON ] && names+=(python3-fenra32)
    [ "$with_ui" = ON ] && names+=(fenra32)
    local debs=() name deb contents
    for name in "${names[@]}"; do
        deb=$out/${name}_$version-1_$([ "$name" = fenra32-data ] && echo all || echo "$arch").deb
        [ -s "$deb" ] || fail "no package $deb: $(ls "$out")"
        debs+=("$deb")
        [ "$(field "$deb" Version)" = "$version-1" ] || fail "$name: version"
        [ "$(field "$deb" Source)" = fenra32 ] || fail "$name: source"
        contents=$(dpkg-deb -c "$deb") || fail "$name: dpkg-deb -c"
        grep -q "\./usr/share/doc/$name/copyright$" <<<"$contents" || fail "$name: copyright"
        grep -q "\./usr/share/doc/$name/changelog.Debian.gz$" <<<"$contents" ||
            fail "$name: changelog.Debian.gz"
    done
    [ "$(ls "$out"/*.deb | wc -l)" -eq ${#debs[@]} ] || fail "other packages: $(ls "$out")"
    local data=${debs[0]} cli=${debs[1]} depends
    [ "$(field "$data" Architecture)" = all ] || fail "fenra32-data is not Architecture: all"
    depends=$(field "$cli" Depends)
    [[ "$depends" == *"fenra32-data (= $version-1)"* ]] || fail "fenra32-cli: $depends"
    [[ "$depends" != *qt* ]] || fail "fenra32-cli depends on Qt: $depends"
    # No file in two packages (folders are shared).
    local dupes
    dupes=$(for deb in "${debs[@]}"; do dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print $6}'; done |
            sort | uniq -d)
    [ -z "$dupes" ] || fail "files in two packages: $dupes"
    if [ "$with_python" = ON ]; then
        local py=${debs[2]} minor
        minor=$(dpkg-deb -c "$py" |
                sed -n 's|.*/usr/lib/python3/dist-packages/fenra32\.cpython-3\([0-9]*\)-.*\.so$|\1|p')
        [ -n "$minor" ] || fail "python3-fenra32: no module in /usr/lib/python3/dist-packages"
        depends=$(field "$py" Depends)
        [[ "$depends" == "python3 (>= 3.$minor), python3 (<< 3.$((minor + 1))), python3-numpy, "* ]] ||
            fail "python3-fenra32: $depends"
        [[ "$depends" != *qt* ]] || fail "python3-fenra32 depends on Qt: $depends"
    fi
    if [ "$with_ui" = ON ]; then
        depends=$(field "${debs[-1]}" Depends)
        for name in "${names[@]:0:${#names[@]}-1}"; do
            [[ "$depends" == *"$name (= $version-1)"* ]] || fail "fenra32 does not need $name"
        done
    fi
    check_stripped "${debs[@]}"
    if ! command -v lintian >/dev/null; then
        echo "lintian is not installed (scripts/install-deps installs it): not run"
        return
    fi
    local report
    report=$(lintian --pedantic --info "${debs[@]}" 2>&1)
    echo "$report"
    ! grep -q "^[EW]: " <<<"$report" || fail "lintian found errors or warnings"
}

# The programs and the module carry no symbols and no .comment section.
check_stripped() {
    local deb unpacked=$prefix/unpacked f sections
    for deb in "$@"; do dpkg-deb -x "$deb" "$unpacked"; done
    while IFS= read -r f; do
        sections=$(readelf -SW "$f") || fail "${f#"$unpacked"} is not an ELF file"
        ! grep -q " \.symtab " <<<"$sections" || fail "${f#"$unpacked"} is not stripped"
        ! grep -q " \.comment " <<<"$sections" || fail "${f#"$unpacked"} has .comment"
    done < <(find "$unpacked" -type f \( -path '*/bin/*' -o -name '*.so' \))
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
        for page in $(manpages); do
            warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l -Tutf8 \
                "$prefix/share/man/man1/$page.1.gz" 2>&1 >/dev/null)
            [ -z "$warnings" ] || fail "$page.1: $warnings"
        done
        ;;
    python)
        check_python
        ;;
    mime)
        [ "$with_ui" = ON ] || { echo "SKIPPED: built without the window"; exit $skip; }
        need_tool update-mime-database shared-mime-info
        check_mime
        ;;
    packages)
        need_tool dpkg-deb dpkg
        check_packages "$@"
        ;;
    *)
        fail "unknown check $what"
        ;;
esac
echo "PASSED: $what"
