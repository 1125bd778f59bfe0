#!/usr/bin/env bash
# The release the build took from debian/changelog is the one dpkg reads there: the version, the
# time (SOURCE_DATE_EPOCH of a package build) and the day, which the AppStream data and the
# manual page carry.
#   release.sh SOURCE_DIR VERSION EPOCH DATE METAINFO [MANUAL.1.gz]
set -euo pipefail
src=$1 version=$2 epoch=$3 date=$4 metainfo=$5 manual=${6:-}
fail() { echo "FAIL: $*"; exit 1; }
changelog=$src/debian/changelog

dpkg_version=$(dpkg-parsechangelog -l "$changelog" -S Version)
upstream=${dpkg_version#*:}
upstream=${upstream%-*}
[[ $version == "$upstream" ]] || fail "version $version, dpkg reads $dpkg_version"
dpkg_epoch=$(dpkg-parsechangelog -l "$changelog" -S Timestamp)
[[ $epoch == "$dpkg_epoch" ]] || fail "time $epoch, dpkg reads $dpkg_epoch"
[[ $date == "$(date -u -d "@$dpkg_epoch" +%F)" ]] || fail "day $date, dpkg reads @$dpkg_epoch"
grep -q "<release version=\"$version\" date=\"$date\"/>" "$metainfo" \
    || fail "the AppStream release is not $version of $date"
if [[ -n $manual ]]; then
    zcat "$manual" | grep -q "^\.TH [^ ]* \"1\" \"$date\" \"Vorn Color Numerology $version\"" \
        || fail "the manual page is not dated $date for $version: $(zcat "$manual" | grep '^\.TH')"
fi
echo "release $version of $date ($epoch)"
