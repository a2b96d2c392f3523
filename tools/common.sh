# Shared by ./run and ./test: the Debian packages of the build.
BUILD_PACKAGES=(g++ cmake make pkgconf libgtest-dev libbenchmark-dev qt6-base-dev
  libsdl2-mixer-dev fonts-ipaexfont-gothic fonts-ipaexfont-mincho qt6-translations-l10n
  qt6-tools-dev qt6-l10n-tools qt6-svg-dev)
TEST_PACKAGES=(xvfb xauth xdotool imagemagick x11-apps clang libclang-rt-14-dev
  dpkg-dev desktop-file-utils appstream clang-format)
jobs() { nproc 2>/dev/null || echo 2; }
