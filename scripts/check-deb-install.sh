#!/usr/bin/env bash
# Installs the Debian package on a fresh Debian 12 and tries it as a user would: a manual
# check, run as root on a Debian host (not part of test.sh).
#
#   scripts/check-deb-install.sh [PACKAGE.deb] [SCREENSHOT-FOLDER]
#
# A minbase bookworm made once by debootstrap in $DEB12_BASE (/var/tmp/deb12) stays
# untouched; every run copies it to $DEB12_ROOT (/var/tmp/deb12-check), so the package always
# meets a fresh system. There:
#  1. apt-get install --no-install-recommends ./PACKAGE.deb: everything comes from Depends;
#  2. before any checking tool is installed: no library of the programs, the Qt plugins or
#     the Firebird engine is missing; a first user runs norbekAfa-report (CSV and PDF), which
#     makes the user's database; the program starts offscreen;
#  3. with Xvfb, ImageMagick, gio, appstreamcli and desktop-file-validate added: a second
#     user starts the program from its menu entry (gio launch), a screenshot is taken, the
#     database appears in ~/.local/share/norbekAfa/, and the tool makes a PDF from it;
#     the menu entry and the AppStream metadata are validated.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
deb=${1:-$(ls "$top"/build/norbekafa_*_amd64.deb 2>/dev/null | tail -n 1)}
shots=${2:-$top/build/deb-check}
base=${DEB12_BASE:-/var/tmp/deb12}
root=${DEB12_ROOT:-/var/tmp/deb12-check}
mirror=http://deb.debian.org/debian

[ "$(id -u)" = 0 ] || { echo "Nur als root: chroot und mount brauchen es." >&2; exit 2; }
[ -f "$deb" ] || { echo "Kein Paket: erst 'cd build && cpack -G DEB'." >&2; exit 2; }
deb=$(readlink -f "$deb")
mkdir -p "$shots"

step() { printf '\n== %s\n' "$*"; }

if [ ! -x "$base/usr/bin/apt-get" ]; then
    step "Debian 12 (minbase) nach $base"
    command -v debootstrap >/dev/null || apt-get install -y debootstrap
    rm -rf "$base"
    debootstrap --variant=minbase bookworm "$base" "$mirror"
fi

unmount() {
    # Processes left in the check system (the program after its X server ended) go first.
    for link in /proc/[0-9]*/root; do
        if [ "$(readlink "$link" 2>/dev/null)" = "$root" ]; then
            pid=${link#/proc/}
            kill "${pid%/root}" 2>/dev/null || true
        fi
    done
    sleep 1
    for m in dev/pts dev/shm dev proc; do
        mountpoint -q "$root/$m" && umount -l "$root/$m"
    done
    return 0
}
trap unmount EXIT

step "Frisches System $root aus $base"
unmount
if grep -q " $root/" /proc/mounts; then
    echo "In $root ist noch etwas eingehängt; nichts gelöscht." >&2
    exit 1
fi
rm -rf --one-file-system "$root"
cp -a "$base" "$root"
mount -t proc proc "$root/proc"
mount --bind /dev "$root/dev"
mount -t devpts -o newinstance,ptmxmode=0666 devpts "$root/dev/pts" 2>/dev/null || true
mount -t tmpfs tmpfs "$root/dev/shm"
cp /etc/resolv.conf "$root/etc/resolv.conf" 2>/dev/null || true
cat >"$root/etc/apt/sources.list" <<EOF
deb $mirror bookworm main
deb $mirror bookworm-updates main
deb ${mirror%/debian}/debian-security bookworm-security main
EOF
in_root() { chroot "$root" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin LANG=C.UTF-8 \
    DEBIAN_FRONTEND=noninteractive "$@"; }
# As a normal user with a login's environment; no display unless the command makes one.
as_user() {
    local user=$1
    shift
    chroot --userspec="$user:$user" "$root" /usr/bin/env -i HOME="/home/$user" USER="$user" \
        LOGNAME="$user" PATH=/usr/local/bin:/usr/bin:/bin LANG=C.UTF-8 \
        bash -euc "cd ~; $*"
}

step "Paket installieren: $(basename "$deb")"
cp "$deb" "$root/tmp/"
in_root apt-get update -q
in_root apt-get install -y -q --no-install-recommends "/tmp/$(basename "$deb")"
in_root dpkg-query -W -f='Depends: ${Depends}\n' norbekafa

step "Bibliotheken der Programme, Qt-Plugins und der Firebird-Engine"
missing=$(in_root sh -c 'for f in /usr/bin/norbekAfa /usr/bin/norbekAfa-report \
    /usr/lib/x86_64-linux-gnu/qt6/plugins/sqldrivers/libqsqlibase.so \
    /usr/lib/x86_64-linux-gnu/qt6/plugins/platforms/libqxcb.so \
    /usr/lib/x86_64-linux-gnu/qt6/plugins/platforms/libqoffscreen.so \
    /usr/lib/x86_64-linux-gnu/firebird/3.0/plugins/libEngine12.so; do
        [ -e "$f" ] || echo "$f fehlt"; ldd "$f" | grep "not found" | sed "s|^|$f: |"; done')
if [ -n "$missing" ]; then
    echo "$missing" >&2
    exit 1
fi
echo "alles da"

step "Werkzeug ohne vorherigen Programmstart (Benutzer anna)"
in_root useradd -m -s /bin/bash anna
as_user anna 'norbekAfa-report --year 2026 >jahr.csv; head -n 1 jahr.csv
    norbekAfa-report --year 2026 --format pdf --output x.pdf; head -c 5 x.pdf; echo
    test -f .local/share/norbekAfa/norbekAfa.fdb && ls -l .local/share/norbekAfa/'

step "Programm offscreen (nur die Abhängigkeiten des Pakets)"
status=0
as_user anna 'QT_QPA_PLATFORM=offscreen timeout 10 norbekAfa' || status=$?
[ "$status" = 124 ] || { echo "norbekAfa endete mit $status statt zu laufen" >&2; exit 1; }
echo "läuft nach 10 s noch"

step "Werkzeuge nur für die Prüfung"
in_root apt-get install -y -q --no-install-recommends xvfb xauth imagemagick \
    libglib2.0-bin appstream desktop-file-utils poppler-utils x11-utils >/dev/null
echo "xvfb, imagemagick, gio, appstreamcli, desktop-file-validate, pdfinfo"

step "Menüeintrag und AppStream-Metadaten"
in_root desktop-file-validate /usr/share/applications/de.norbek.norbekAfa.desktop
in_root appstreamcli validate --no-net /usr/share/metainfo/de.norbek.norbekAfa.metainfo.xml

step "Start aus dem Menüeintrag (Benutzer bert, Xvfb)"
in_root useradd -m -s /bin/bash bert
as_user bert 'xvfb-run -a -s "-screen 0 1280x800x24" bash -c "
    gio launch /usr/share/applications/de.norbek.norbekAfa.desktop
    for i in \$(seq 60); do
        xwininfo -root -tree | grep -qi \"norbek\" && break
        sleep 0.5
    done
    sleep 3
    import -window root start.png
    xwininfo -root -tree | grep -i \"norbek\" >fenster.txt
    cat fenster.txt"'
cp "$root/home/bert/start.png" "$shots/deb-start.png"
echo "Bildschirmfoto: $shots/deb-start.png"
# The main window has a caption of its own; a message box bears the program's name.
if grep -q '"norbek  DoV-Ivevera": ("norbekAfa"' "$root/home/bert/fenster.txt"; then
    echo "Der Start zeigte eine Fehlermeldung, siehe $shots/deb-start.png" >&2
    exit 1
fi
# The program ends with its X server; the tool needs the database to itself.
for i in $(seq 20); do
    running=$(in_root sh -c 'for c in /proc/[0-9]*/comm; do
        [ "$(cat "$c" 2>/dev/null)" = norbekAfa ] && echo "$c"; done' || true)
    [ -z "$running" ] && break
    sleep 0.5
done
echo "Sperrordner der Datenbank:"
ls -ld "$root"/tmp/firebird*
as_user bert 'ls -l .local/share/norbekAfa/
    norbekAfa-report --year 2026 --format pdf --output x.pdf
    pdfinfo x.pdf | grep -E "^(Pages|Page size)"'

step "Fertig: das Paket installiert sich und läuft auf einem frischen Debian 12"
