#!/usr/bin/env bash
# debian/ agrees with the tree it packages: one version everywhere, a copyright whose patterns
# each name files that exist and whose licences are all spelled out, a screenshot address inside
# the project's repository that names a picture in the tree, and helper files that exist.
source "$(dirname "$0")/common.sh"
cd "$source_dir"

version=$(sed -n 's/^project(Tilvaro VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
[ -n "$version" ] || fail "no project version in CMakeLists.txt"
changelog=$(dpkg-parsechangelog -l debian/changelog -S Version) || fail "debian/changelog does not parse"
[ "$changelog" = "$version" ] || fail "debian/changelog is at $changelog, the project at $version"
metainfo=packaging/org.tilvaro.Tilvaro.metainfo.xml
grep -q "<release version=\"$version\"" "$metainfo" || fail "the metainfo has no release $version"
# The release date a software centre shows is the package's.
date=$(date -u -d "@$(dpkg-parsechangelog -l debian/changelog -S Timestamp)" +%F)
grep -q "<release version=\"$version\" date=\"$date\"" "$metainfo" ||
  fail "the metainfo's release $version is not dated $date like debian/changelog"

# The files the copyright speaks of: what git tracks, or every file when this is no clone.
if git rev-parse --git-dir > /dev/null 2>&1; then
  git ls-files --cached --others --exclude-standard > "$scratch/files"
else
  find . -path ./build -prune -o -type f -print | sed 's|^\./||' > "$scratch/files"
fi
copyright=debian/copyright
head -1 "$copyright" | grep -q '^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/$' ||
  fail "debian/copyright is not in the machine-readable format"
# Each pattern of each Files: paragraph (continuation lines included) must match some file.
awk '/^Files:/ {sub(/^Files:/, ""); on=1; print; next} on && /^ / {print; next} {on=0}' "$copyright" |
  tr ' ' '\n' | sed '/^$/d' > "$scratch/patterns"
[ -s "$scratch/patterns" ] || fail "debian/copyright has no Files: paragraph"
grep -qx '\*' "$scratch/patterns" || fail "debian/copyright has no Files: * paragraph for the rest"
while read -r pattern; do
  matched=0
  while read -r file; do
    # shellcheck disable=SC2053 # the pattern is a glob on purpose
    if [[ $file == $pattern ]]; then matched=1; break; fi
  done < "$scratch/files"
  [ "$matched" = 1 ] || fail "debian/copyright names '$pattern', which matches no file"
done < "$scratch/patterns"
# Every licence named in a Files: paragraph has its text in a stand-alone License: paragraph.
for licence in $(awk '/^Files:/ {f=1} /^$/ {f=0} f && /^License:/ {print $2}' "$copyright" | sort -u); do
  awk -v l="$licence" 'BEGIN {r=1} /^$/ {p=1; next} NR==1 || p {if ($0 == "License: " l) r=0; p=0} END {exit r}' \
    "$copyright" || fail "licence $licence has no text of its own in debian/copyright"
done

# The screenshot a software centre shows is a raw file of the project's repository.
repository=$(sed -n 's/^Repository: //p' debian/upstream/metadata)
[ -n "$repository" ] || fail "debian/upstream/metadata names no Repository"
image=$(sed -n 's|.*<image>\(.*\)</image>.*|\1|p' "$metainfo")
case "$image" in
  "$repository"/plain/*) path=${image#"$repository"/plain/}
    if [ ! -f "$path" ]; then fail "the screenshot $image names $path, which is not in the tree"
    elif ! file -b "$path" | grep -q '^PNG image'; then fail "$path is not a PNG"; fi ;;
  *) fail "the screenshot $image is not a file of $repository" ;;
esac

# What the package's helper files name exists.
[ -x debian/rules ] || fail "debian/rules is not executable"
while read -r doc; do [ -f "$doc" ] || fail "debian/tilvaro.docs names $doc, not in the tree"; done < debian/tilvaro.docs
for t in $(sed -n 's/^Tests: //p' debian/tests/control); do
  [ -x "debian/tests/$t" ] || fail "autopkgtest $t is not an executable file in debian/tests"
done
finish
