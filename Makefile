# make run: install what is missing, build, start the game.
# make test: the same set-up, then every test, headless.
PRESET ?= dev
BUILD := build/$(PRESET)

PREFIX ?= /usr/local

# To build: the compiler and Qt, with Qt's private headers, the Wayland client library, its
# protocol files and pkgconf for the one Wayland request the program sends itself; the X client
# library, to ask which keys are down; Qt's translation tools with their CMake package, and Qt's
# own translations for the standard buttons.
PACKAGES := g++ make cmake qt6-base-dev qt6-base-private-dev pkgconf libwayland-dev wayland-protocols libxcb1-dev \
	qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
# To test and measure: a private X server and the tools that drive it and read it back; weston
# and Qt's Wayland plugin for the game on Wayland; dpkg-dev and file let CPack work out the
# package's dependencies; desktop-file-utils and appstream check the desktop entry and
# metainfo, lintian the package and man-db's lexgrog its manual page; xsm, the reference session manager, with
# the iceauth it needs; libfaketime moves the wall clock; dbus-daemon runs a private session bus for a stand-in
# settings portal; Orca, the screen reader, with the accessibility bus and speech-dispatcher, and procps to stop it.
TEST_PACKAGES := xvfb xauth xdotool imagemagick x11-utils weston qt6-wayland dpkg-dev file lintian man-db \
	desktop-file-utils appstream x11-session-utils x11-xserver-utils libfaketime dbus-daemon \
	orca at-spi2-core speech-dispatcher procps fonts-noto-cjk
test test-asan stress bench deb: PACKAGES += $(TEST_PACKAGES)

SUDO := $(if $(filter 0,$(shell id -u)),,sudo)

.PHONY: run test test-asan build deps clean install deb bench stress fresh format format-check \
	translations-check

run: build
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
		echo "make run: no display to open the game on (DISPLAY and WAYLAND_DISPLAY are unset)."; exit 1; fi
	$(BUILD)/main_window/bricks

# The screen reader's suite last, on its own: Orca takes some twenty seconds.
test: build
	ctest --preset $(PRESET) --label-exclude screen_reader
	ctest --preset $(PRESET) --label-regex screen_reader

# The long run: thousands of random games in process.
stress: build
	PLAY_GAMES=3000 QTEST_FUNCTION_TIMEOUT=3600000 ctest --preset $(PRESET) --tests-regex '^test_play$$'

# The README's "make test" in a clean clone of the committed HEAD on bare Debian 13 and Debian 12
# roots, as on a new user's machine (as root; making each root takes a minute the first time).
FRESH_DEBIAN ?= ../shared/tools/fresh-debian
fresh:
	$(FRESH_DEBIAN) trixie "make test"
	$(FRESH_DEBIAN) bookworm "make test"

# The one format of .clang-format for every C++ file; no line of code or script over 120 columns.
# CI checks it with Debian 12's clang-format; make test does not, so another version never stops a build.
format format-check: PACKAGES += clang-format
CODE_FILES = git ls-files -z '*.cpp' '*.h'
format: deps
	$(CODE_FILES) | xargs -0 clang-format -i
format-check: deps
	$(CODE_FILES) | xargs -0 clang-format --dry-run --Werror
	@git ls-files -z '*.cpp' '*.h' '*.sh' '*.py' '*.cmake' '*CMakeLists.txt' Makefile .ci/run \
		| xargs -0 awk 'length > 120 { print FILENAME ":" FNR ": over 120 columns"; long = 1 } END { exit long }'

# The translations complete and in step with the sources' texts; CI checks them with Debian 12's lupdate,
# as the format, outside make test.
translations-check: deps
	cmake --preset $(PRESET) > /dev/null
	translations/check.sh $(BUILD)

test-asan:
	$(MAKE) test PRESET=asan

install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

# The package is built from the optimised build: build/release/bricks_VERSION_ARCH.deb.
deb:
	$(MAKE) build PRESET=release
	cd build/release && cpack

# Timings, start-up and memory from the optimised build, each printed beside its target.
bench:
	$(MAKE) build PRESET=release
	bench/run.sh build/release

build: deps
	cmake --preset $(PRESET)
	cmake --build --preset $(PRESET)

deps:
	@missing=$$(for p in $(PACKAGES); do \
		dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q '^install ok installed' || echo $$p; done); \
	if [ -n "$$missing" ]; then \
		echo "Installing:" $$missing; \
		$(SUDO) apt-get update && $(SUDO) env DEBIAN_FRONTEND=noninteractive \
			apt-get install -y --no-install-recommends $$missing; \
	fi

clean:
	rm -rf build
