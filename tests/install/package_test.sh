#!/usr/bin/env bash
# Builds the .deb as cpack does and runs lintian on it: no error and no warning, except the tags
# that come from the project having no e-mail address yet (the Maintainer field and the
# changelog's trailer need one). Skipped where lintian is not installed.
# Usage: package_test.sh BUILD_DIR
set -euo pipefail
build=$1
command -v lintian >/dev/null || { echo "lintian is not installed"; exit 77; }
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

cpack --config "$build/CPackConfig.cmake" -B "$out" >/dev/null
deb=$(echo "$out"/polyskop_*.deb)
allowed='^(malformed-contact|syntax-error-in-debian-changelog)$'
tags=$(lintian --pedantic --fail-on none "$deb" 2>/dev/null | awk '$1 ~ /^[EW]:$/ { print $3 }' | sort -u)
unexpected=$(grep -Ev "$allowed" <<<"$tags" || true)
if [ -n "$unexpected" ]; then
  lintian --pedantic --fail-on none "$deb"
  echo "lintian: $unexpected"
  exit 1
fi
# No maintainer scripts: nothing to run at installation, ldconfig included.
for script in preinst postinst prerm postrm; do
  if dpkg-deb --ctrl-tarfile "$deb" | tar -t | grep -qx "./$script"; then
    echo "the package has a $script"
    exit 1
  fi
done
