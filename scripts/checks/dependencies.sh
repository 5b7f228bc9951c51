#!/usr/bin/env bash
# The libraries' arrows point one way. Fails, naming each fault, when
#  - a library of base/ links (even through another) or a file of base/
#    includes anything of the folders above it, or links Qt Widgets;
#  - a library of conversion/ links the online libraries or Qt Gui or
#    Widgets, or a file of conversion/ includes a header from outside
#    conversion/, cuesheet/, tags/, settings/ and base/;
#  - a library of cuesheet/ links another library of the project or Qt Gui
#    or Widgets, or a file of cuesheet/ includes a header from outside it;
#  - a file outside app/ makes a real part that start-up alone makes: the
#    desktop's choosers, its browser handed to the services, the network
#    thread.
# The links are read from CMake's dependency graph of the configured build.
#
#   scripts/checks/dependencies.sh BUILD_DIR
set -euo pipefail
build=${1:?build directory}
top=$(cd "$(dirname "$0")/../.." && pwd)
[ -f "$build/CMakeCache.txt" ] || { echo "no configured build in $build" >&2; exit 1; }

above_base=(settings online conversion cuesheet tags mirror taskbar dialogs window app)
graph=$(mktemp -d)
trap 'rm -rf "$graph"' EXIT
cmake --graphviz="$graph/deps.dot" "$build" >/dev/null

faults=0
fault() {
    echo "FAULT: $*"
    faults=$((faults + 1))
}

# The libraries a folder's CMakeLists.txt adds.
targets_of() {
    sed -nE 's/^[[:space:]]*add_library\(([A-Za-z0-9_-]+).*/\1/p' "$top/$1/CMakeLists.txt"
}

# Everything a target links, directly or through others.
links_of() {
    sed -nE 's/.*label = "([^"]+)".*/\1/p' "$graph/deps.dot.$1" | sort -u | grep -vxF "$1" || true
}

# Each header a folder's sources include in quotes must be one of the
# folder's own or of the allowed folders'.
check_includes() {
    local folder=$1
    shift
    local file header found allowed
    for file in "$top/$folder"/*.h "$top/$folder"/*.cpp; do
        [ -e "$file" ] || continue
        while read -r header; do
            case $header in ui_*.h | *.moc) continue ;; esac
            found=
            for allowed in "$folder" "$@"; do
                [ -f "$top/$allowed/$header" ] && found=1
            done
            [ -n "$found" ] || fault "$folder/$(basename "$file") includes $header"
        done < <(sed -nE 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"([^"]+)".*/\1/p' "$file")
    done
}

forbidden=()
for folder in "${above_base[@]}"; do
    while read -r target; do forbidden+=("$target"); done < <(targets_of "$folder")
done
while read -r target; do
    while read -r link; do
        for bad in "${forbidden[@]}" Qt6::Widgets; do
            [ "$link" = "$bad" ] && fault "base's $target links $link"
        done
    done < <(links_of "$target")
done < <(targets_of base)
check_includes base

online_targets=()
while read -r target; do online_targets+=("$target"); done < <(targets_of online)
while read -r target; do
    while read -r link; do
        for bad in "${online_targets[@]}" Qt6::Gui Qt6::Widgets; do
            [ "$link" = "$bad" ] && fault "conversion's $target links $link"
        done
    done < <(links_of "$target")
done < <(targets_of conversion)
check_includes conversion cuesheet tags settings base

while read -r target; do
    while read -r link; do
        case $link in
        tw_build_settings | tw_test_build_settings) ;;
        tw_* | Qt6::Gui | Qt6::Widgets) fault "cuesheet's $target links $link" ;;
        esac
    done < <(links_of "$target")
done < <(targets_of cuesheet)
check_includes cuesheet

real_parts='QFileDialog|addressopener::openWithDesktop|(make_shared|make_unique)<(online::)?OnlineServices>|new (online::)?OnlineServices\b|OnlineServices [A-Za-z_]+[({]'
for folder in base settings online conversion cuesheet tags mirror taskbar dialogs window; do
    while read -r hit; do
        fault "outside app/: $hit"
    done < <(grep -nE "$real_parts" "$top/$folder"/*.h "$top/$folder"/*.cpp 2>/dev/null |
        sed "s|^$top/||" || true)
done

if [ "$faults" -gt 0 ]; then
    echo "$faults faults"
    exit 1
fi
echo "dependencies: the arrows point one way"
