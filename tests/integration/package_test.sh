#!/usr/bin/env bash
# Builds the Debian package from the build tree, checks its files and dependencies, unpacks it into
# a private root, loads the unpacked panel bundle into dialoghost, and prints a job through a private
# cupsd that runs the unpacked filter and lists the unpacked PPD as a model: the queue is added by
# naming that model, as an administrator would.
set -euo pipefail
top=$2
build=$3
. "$top/tests/integration/lib.sh"
begin_cupsd_test pdpackage

cpack --config "$build/CPackConfig.cmake" -B "$tmp/package" > "$tmp/cpack.log" 2>&1 ||
    { cat "$tmp/cpack.log" >&2; fail "cpack failed"; }
debs=("$tmp"/package/*.deb)
[ "${#debs[@]}" = 1 ] && [ -f "${debs[0]}" ] || fail "cpack made no single package: ${debs[*]}"
deb=${debs[0]}

# Nothing but the filter, the PPD and the panel's bundle, with the owner and modes that CUPS demands
# of a filter; the bundle holds the module, its strings and its view description, and nothing of
# the tests.
server_bin=$(cups-config --serverbin)
ppd_dir=/usr/share/ppd/durven
multiarch=$(dpkg-architecture -qDEB_HOST_MULTIARCH)
bundle_dir=/usr/lib/$multiarch/printdriver/printpanel.bundle
files=$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print $1, $2, $NF}' | LC_ALL=C sort)
expected=$(
    {
        echo "-rwxr-xr-x root/root .$server_bin/filter/psfilter"
        echo "-rw-r--r-- root/root .$ppd_dir/durven-paltero.ppd"
        echo "-rw-r--r-- root/root .$bundle_dir/printpanel.so"
        echo "-rw-r--r-- root/root .$bundle_dir/PDE.view"
        for f in "$top"/panel/bundle/strings/*.strings; do
            echo "-rw-r--r-- root/root .$bundle_dir/strings/${f##*/}"
        done
    } | LC_ALL=C sort
)
[ "$files" = "$expected" ] || fail "package files differ:
$files
expected:
$expected"
[ -n "$(dpkg-deb -f "$deb" Description)" ] || fail "package without a description"

dpkg -x "$deb" "$tmp/root"

# Every library that psfilter or the panel's module links, and the libcrypto that psfilter loads
# for passwords, comes from a package that the package depends on.
psfilter=$tmp/root$server_bin/filter/psfilter
module=$tmp/root$bundle_dir/printpanel.so
depends=$(dpkg-deb -f "$deb" Depends | sed 's/ *([^)]*)//g; s/ *, */\n/g')
libraries=$(objdump -p "$psfilter" "$module" | awk '$1 == "NEEDED" {print $2}' | sort -u)
grep -qx 'libcups\.so\.[0-9]*' <<< "$libraries" || fail "neither binary links libcups: $libraries"
loaded=$(grep -ao 'libcrypto\.so\.[0-9]*' "$psfilter" | sort -u) || fail "psfilter names no libcrypto"
for library in $libraries $loaded; do
    owner=$(dpkg-query -S "*/$multiarch/$library" 2>/dev/null | sed -n '1s/[:,].*//p') || true
    [ -n "$owner" ] || fail "no package holds $library"
    grep -qx "$owner" <<< "$depends" || fail "$library ($owner) is not among the dependencies: $depends"
done

# The stand-in print dialog loads the panel from the unpacked bundle, its texts included.
"$build/dialoghost" --bundle "$tmp/root$bundle_dir" --ppd "$tmp/root$ppd_dir/durven-paltero.ppd" \
    panel-info > "$tmp/panel-info.txt" 2> "$tmp/panel-info.err" ||
    fail "dialoghost cannot use the unpacked bundle: $(cat "$tmp/panel-info.err")"
grep -qx 'panel-name: corvex PRO 583PS' "$tmp/panel-info.txt" || fail "no panel from the bundle"
LANGUAGE=de LC_ALL=C.UTF-8 "$build/dialoghost" --bundle "$tmp/root$bundle_dir" \
    --ppd "$tmp/root$ppd_dir/durven-paltero.ppd" panel-info > "$tmp/panel-info-de.txt" ||
    fail "dialoghost cannot use the unpacked bundle in German"
grep -qx 'button-title: Einstellungen' "$tmp/panel-info-de.txt" ||
    fail "the unpacked bundle's strings do not title the button: $(cat "$tmp/panel-info-de.txt")"

# ServerBin is the unpacked folder itself, so that cupsd checks the filter as installed. The data
# folder is the stock one with the unpacked PPD folder as its model folder.
link_stock_cups_programs "$tmp/root$server_bin"
mkdir "$tmp/data"
for f in /usr/share/cups/*; do
    [ "${f##*/}" = model ] || ln -s "$f" "$tmp/data/"
done
ln -s "$tmp/root/usr/share/ppd" "$tmp/data/model"
start_private_cupsd "$tmp" "$tmp/root$server_bin" "$tmp/data"

model=durven/durven-paltero.ppd
lpinfo -h "$server" -m | grep -qx "$model DURVEN PALTERO corvex PRO 583PS" ||
    fail "lpinfo -m does not list $model"
lpadmin -h "$server" -p pdpackage -E -v "file://$tmp/out/job.prn" -m "$model" 2>/dev/null
print_sample_job "$top" "$tmp" pdpackage "$tmp/out/job.prn"
echo "package: installed, listed and printed"
