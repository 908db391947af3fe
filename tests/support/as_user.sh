#!/usr/bin/env bash
# Runs a command as an ordinary user, for tests of what such a user may and may not write.
# Run by an ordinary user it simply runs the command. Run by root it runs it as the system
# user quenmoor-tester (created on first use), with a home folder of its own that goes
# afterwards; the command and the folders it reads must be readable by everyone.
#
#     bash tests/support/as_user.sh build/default/bin/shared_lists_tests
set -euo pipefail
if [ "$(id -u)" -ne 0 ]; then
    exec "$@"
fi
user=quenmoor-tester
if ! id -u "$user" >/dev/null 2>&1; then
    useradd --system --no-create-home --home-dir /nonexistent --shell /usr/sbin/nologin "$user"
fi
home=$(mktemp -d /tmp/quenmoor-tester.XXXXXX)
trap 'rm -rf "$home"' EXIT
chown "$user" "$home"
# A clean environment, but for the sanitizers' settings of the build being tested.
kept=()
for name in ASAN_OPTIONS LSAN_OPTIONS UBSAN_OPTIONS; do
    if [ -n "${!name:-}" ]; then
        kept+=("$name=${!name}")
    fi
done
runuser -u "$user" -- env -i PATH=/usr/bin:/bin HOME="$home" XDG_RUNTIME_DIR="$home" \
    QT_QPA_PLATFORM=offscreen TMPDIR="$home" "${kept[@]}" "$@"
