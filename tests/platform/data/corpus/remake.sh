#!/bin/sh
# Makes the RTF files of this folder again from the documents in sources/:
#   NAME-libreoffice.rtf  LibreOffice Writer (every .html and .fodt source)
#   NAME-pandoc.rtf       pandoc (the .html sources; pandoc does not read .fodt)
# Needs soffice and pandoc on the PATH. The expectations in tests/platform/tst_rtfcorpus.cpp
# are written by hand from the sources: after remaking, review the differences before
# committing. (LibreOffice picks the bullet font anew each time; that changes no text.)
set -eu
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

for tool in soffice pandoc; do
    command -v "$tool" >/dev/null || { echo "remake.sh: $tool is not installed" >&2; exit 1; }
done

# LibreOffice needs a profile of its own, or it collides with a running instance.
office() {
    soffice -env:UserInstallation="file://$work/profile" --headless "$@" >/dev/null
}
office --infilter="HTML (StarWriter)" --convert-to rtf --outdir "$work/out" "$here"/sources/*.html
office --convert-to rtf --outdir "$work/out" "$here"/sources/*.fodt

for rtf in "$work"/out/*.rtf; do
    name=$(basename "$rtf" .rtf)
    mv "$rtf" "$here/$name-libreoffice.rtf"
done
for html in "$here"/sources/*.html; do
    name=$(basename "$html" .html)
    pandoc --standalone --from html --to rtf --output "$here/$name-pandoc.rtf" "$html"
done
ls "$here"/*.rtf
