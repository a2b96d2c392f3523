# Shared by ./run and ./test: the Debian packages of the build. (Qt Charts'
# CMake files need Qt OpenGL's, which qt6-charts-dev does not bring.)
BUILD_PACKAGES=(g++ cmake make pkgconf libgtest-dev libbenchmark-dev qt6-base-dev
  libsdl2-mixer-dev fonts-ipaexfont-gothic fonts-ipaexfont-mincho qt6-translations-l10n
  qt6-tools-dev qt6-l10n-tools qt6-svg-dev qt6-charts-dev libqt6opengl6-dev libqt6sql6-sqlite)
TEST_PACKAGES=(xvfb xauth xdotool imagemagick x11-apps clang libclang-rt-14-dev
  dpkg-dev desktop-file-utils appstream clang-format)
jobs() { nproc 2>/dev/null || echo 2; }
