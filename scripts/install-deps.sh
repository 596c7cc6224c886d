#!/bin/sh
# Installs the Debian packages that ferricalc needs, when any of them is
# missing. Uses apt-get as root, or through sudo.
#   install-deps.sh          what the desktop program and the command line need to build and run
#   install-deps.sh --web    that, and what the web page and every test need (make test, make web)
#   install-deps.sh PKG...   those packages instead (make fuzz and make bench name their own)
set -eu

# qt6-l10n-tools compiles the English translation (lrelease) and checks it (lupdate);
# desktop-file-utils and appstream validate the launcher and the metainfo in
# the tests; dpkg-dev finds the package's dependencies for make package.
packages="g++ make cmake qt6-base-dev qt6-svg-dev qt6-l10n-tools libgtest-dev
libbenchmark-dev fonts-arphic-ukai fonts-arphic-uming fonts-dejavu-core
desktop-file-utils appstream dpkg-dev"
web=no
if [ "${1:-}" = "--web" ]; then
    # emscripten compiles the web page's module, nodejs runs it in the tests, and
    # chromium shows the page to them (driven by playwright-core from npm, below);
    # poppler-utils reads the design window's PDF report back; python3 writes the page's English
    # from translations/*.ts, and lupdate (qt6-l10n-tools) checks that the page's are all translated.
    packages="$packages emscripten nodejs chromium poppler-utils python3 qt6-l10n-tools"
    web=yes
elif [ "$#" -gt 0 ]; then
    packages="$*"
fi
# Debian's nodejs comes without npm; a Node.js that brings its own keeps it.
if [ "$web" = yes ] && ! command -v npm >/dev/null 2>&1; then
    packages="$packages npm"
fi

# The web tests' npm packages, exactly as web/package-lock.json pins them;
# again only when the lock file has changed since the last install.
install_npm_packages() {
    [ "$web" = yes ] || return 0
    web_dir="$(dirname "$0")/../web"
    if cmp -s "$web_dir/package-lock.json" "$web_dir/node_modules/.installed-lock.json"; then
        return 0
    fi
    echo "Installing the web tests' npm packages (npm ci in web/)"
    (cd "$web_dir" && npm ci --no-audit --no-fund --ignore-scripts) &&
        cp "$web_dir/package-lock.json" "$web_dir/node_modules/.installed-lock.json"
}

missing=""
for package in $packages; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    case "$status" in
        *"install ok installed"*) ;;
        *) missing="$missing $package" ;;
    esac
done

if [ -z "$missing" ]; then
    install_npm_packages
    exit 0
fi

echo "Installing missing Debian packages:$missing"
if [ "$(id -u)" -eq 0 ]; then
    run=""
elif command -v sudo >/dev/null 2>&1; then
    run="sudo"
else
    echo "error: these packages are missing and I can neither run apt-get as root nor use sudo:" >&2
    echo "   $missing" >&2
    echo "Install them as root with: apt-get install --no-install-recommends$missing" >&2
    exit 1
fi

export DEBIAN_FRONTEND=noninteractive
# A fresh machine may have no package lists yet; refresh them only when the install cannot find a package.
# shellcheck disable=SC2086
if ! $run apt-get install -y -q --no-install-recommends $missing; then
    $run apt-get update -q
    $run apt-get install -y -q --no-install-recommends $missing
fi
install_npm_packages
