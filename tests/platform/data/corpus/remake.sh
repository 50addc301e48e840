#!/bin/sh
# Makes the RTF files of this folder again from the documents in sources/:
#   NAME-libreoffice.rtf  LibreOffice Writer (every .html and .fodt source)
#   NAME-pandoc.rtf       pandoc (the .html sources; pandoc does not read .fodt)
# Needs soffice and pandoc on the PATH. tst_rtf compares each file with NAME.dump beside it;
# after remaking, QUILLMARK_REGOLD=1 tst_rtf writes the dumps again: review the differences
# against the sources before committing. (LibreOffice picks the bullet font anew each time;
# that changes no text.)
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
