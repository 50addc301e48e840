#!/bin/sh
# Saves a plan with our RTF writer (rtf_conformance write), opens it in LibreOffice and in
# pandoc, saves it from each as RTF again, and checks that the text and the bold, italic and
# underline runs came through (rtf_conformance check).
#
# usage: check_writer.sh PATH/TO/rtf_conformance
# Exit status: 0 all matched, 1 a mismatch or a tool failed, 77 (skipped) when soffice or
# pandoc is missing; the one that is there is still checked, and a mismatch still fails.
set -u
helper=$1
skip=0
tools=
if command -v soffice >/dev/null 2>&1; then tools="$tools odt"; else
    echo "soffice (LibreOffice) is not installed: not checked"; skip=1; fi
if command -v pandoc >/dev/null 2>&1; then tools="$tools pandoc"; else
    echo "pandoc is not installed: not checked"; skip=1; fi
if [ -z "$tools" ]; then
    exit 77
fi

work=$(mktemp -d "${TMPDIR:-/tmp}/quillmark-rtf-conformance.XXXXXX") || exit 1
trap 'rm -rf "$work"' EXIT
trap 'exit 1' INT TERM

"$helper" write "$work" || exit 1
mkdir -p "$work/odt" "$work/pandoc"

# Run a tool under a time limit when coreutils' timeout is there.
limited() {
    if command -v timeout >/dev/null 2>&1; then timeout "$@"; else shift; "$@"; fi
}

case $tools in *odt*)
    # A profile of its own: LibreOffice refuses to start beside a running instance otherwise,
    # and never touches the user's settings.
    limited 90 soffice -env:UserInstallation="file://$work/profile" --headless --norestore \
        --convert-to rtf --outdir "$work/odt" "$work/plan.rtf" >"$work/soffice.log" 2>&1 ||
        { echo "soffice failed:"; cat "$work/soffice.log"; exit 1; } ;;
esac
case $tools in *pandoc*)
    limited 30 pandoc --from rtf --to rtf --standalone --output "$work/pandoc/plan.rtf" \
        "$work/plan.rtf" || { echo "pandoc failed"; exit 1; } ;;
esac

"$helper" check "$work" $tools || exit 1
[ "$skip" = 0 ] || exit 77
