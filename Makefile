# make run: install what is missing, build, start the game.
# make test: the same set-up, then every test, headless.
PRESET ?= dev
BUILD := build/$(PRESET)

PREFIX ?= /usr/local

# dpkg-dev and file let CPack work out the package's dependencies; desktop-file-utils
# and appstream check the installed desktop entry and metainfo.
PACKAGES := g++ make cmake qt6-base-dev xvfb xauth xdotool imagemagick x11-utils \
	desktop-file-utils appstream dpkg-dev file
SUDO := $(if $(filter 0,$(shell id -u)),,sudo)

.PHONY: run test test-asan build deps clean install deb

run: build
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
		echo "make run: no display to open the game on (DISPLAY and WAYLAND_DISPLAY are unset)."; exit 1; fi
	$(BUILD)/main_window/bricks

test: build
	ctest --preset $(PRESET)

test-asan:
	$(MAKE) test PRESET=asan

install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

# The package is built from the optimised build: build/release/bricks_VERSION_ARCH.deb.
deb:
	$(MAKE) build PRESET=release
	cd build/release && cpack

build: deps
	cmake --preset $(PRESET)
	cmake --build --preset $(PRESET)

deps:
	@missing=$$(for p in $(PACKAGES); do dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q '^install ok installed' || echo $$p; done); \
	if [ -n "$$missing" ]; then \
		echo "Installing:" $$missing; \
		$(SUDO) apt-get update && $(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends $$missing; \
	fi

clean:
	rm -rf build
