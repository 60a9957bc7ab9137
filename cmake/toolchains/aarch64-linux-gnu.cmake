# Cross-building Pelora for arm64 (aarch64) on a Debian amd64 machine: Debian's cross compiler
# (crossbuild-essential-arm64), and Debian's arm64 Qt 6 and libraries installed beside the
# machine's own through multiarch (dpkg --add-architecture arm64), their headers, libraries,
# CMake and pkg-config files under the aarch64-linux-gnu folders of /usr/include and /usr/lib.
# Debian's cross compiler already looks there, so no sysroot is needed. Qt's build tools (moc,
# rcc, uic) are the machine's own amd64 ones (QT_HOST_PATH), and so are the project's tools that
# run during the build (assets/tools: PELORA_HOST_TOOLS_DIR).
#   cmake --preset arm64      (scripts/setup.sh tests installs what it needs and builds it)
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR aarch64)
set(CMAKE_C_COMPILER aarch64-linux-gnu-gcc)
set(CMAKE_CXX_COMPILER aarch64-linux-gnu-g++)
set(CMAKE_LIBRARY_ARCHITECTURE aarch64-linux-gnu)

# CMake looks for packages under the arm64 folders (CMAKE_LIBRARY_ARCHITECTURE); pkg-config must
# read only the arm64 libraries' files, never the machine's own.
set(ENV{PKG_CONFIG_LIBDIR} "/usr/lib/aarch64-linux-gnu/pkgconfig:/usr/share/pkgconfig")

# Qt's tools run on the building machine: its own Qt's, found through that Qt's CMake files.
set(QT_HOST_PATH /usr)
set(QT_HOST_PATH_CMAKE_DIR "/usr/lib/${CMAKE_HOST_SYSTEM_PROCESSOR}-linux-gnu/cmake")

# The arm64 programs (tests, and the show itself) run on the building machine through qemu's user
# mode, started explicitly: no binfmt registration is needed. Its loader and libraries are the
# multiarch ones (libc6:arm64 puts the loader at /lib/ld-linux-aarch64.so.1), so the emulator
# looks them up from the root of this machine.
find_program(PELORA_QEMU_AARCH64 qemu-aarch64-static)
if(PELORA_QEMU_AARCH64)
    set(CMAKE_CROSSCOMPILING_EMULATOR "${PELORA_QEMU_AARCH64};-L;/")
else()
    message(WARNING "qemu-aarch64-static not found (Debian package qemu-user-static): the arm64 "
        "programs build but cannot run here, tests included")
endif()
