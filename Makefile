# The two set-up commands of the README, and a benchmark run.
BUILD := build
PREFIX := $(BUILD)/demo-prefix
WINDOWS := $(BUILD)/windows
SANITIZE := $(BUILD)/sanitize
JOBS := $(shell nproc 2>/dev/null || echo 2)
RUN_PACKAGES := cmake make g++ pkg-config gettext qt6-base-dev libgl-dev libxcb-randr0-dev libfontconfig-dev fonts-liberation \
                qt6-translations-l10n \
                libgtest-dev libgmock-dev libbenchmark-dev qt6-wayland
# What building the packages needs: shlibdeps and its file check, mingw-w64.
PACKAGE_TOOLS := dpkg-dev file g++-mingw-w64-x86-64
# Wine runs the Windows build's tests; clang builds the sanitizers and the fuzz
# target; clang-format checks the code's format; an X server and the
# packaging checkers test the installed package.
TEST_PACKAGES := $(RUN_PACKAGES) $(PACKAGE_TOOLS) googletest wine wine64 clang libclang-rt-14-dev clang-format \
                 locales xvfb x11-utils x11-apps xdotool openbox weston at-spi2-core dbus python3-pyatspi \
                 lintian desktop-file-utils appstream fonts-wqy-microhei

.PHONY: run test bench fuzz package build windows sanitize

run: PACKAGES := $(RUN_PACKAGES)
run: build
	@test -f $(PREFIX)/user.reg || $(BUILD)/make_demo_prefix $(PREFIX)
	WINEPREFIX=$(abspath $(PREFIX)) $(BUILD)/orvane

test: PACKAGES := $(TEST_PACKAGES)
test: sanitize build windows package
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS)

bench: PACKAGES := $(TEST_PACKAGES)
bench: build windows
	$(BUILD)/bench/orvane_bench
	$(BUILD)/bench/orvane_window_bench
	$(BUILD)/bench/orvane_start_bench
	$(BUILD)/bench/orvane_load_bench
	tests/windows/run-under-wine.sh $(abspath $(BUILD))/wine-prefix $(abspath $(WINDOWS))/bench/win32/orvane_start_bench.exe

# The user.reg reader and the INI reader fuzzed for ten minutes each instead
# of the test's minute.
fuzz: PACKAGES := $(TEST_PACKAGES)
fuzz: sanitize
	fuzz/run.sh $(SANITIZE)/fuzz/user_reg_fuzz 600
	fuzz/run.sh $(SANITIZE)/fuzz/ini_fuzz 600 ini-corpus

# The Debian package and the Windows zip, under build/ and build/windows/.
package: PACKAGES := $(RUN_PACKAGES) $(PACKAGE_TOOLS)
package: build windows
	cd $(BUILD) && cpack -G DEB
	cd $(WINDOWS) && cpack -G ZIP

build: packages
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DORVANE_WINDOWS_BUILD=$(abspath $(WINDOWS)) -DORVANE_SANITIZE_BUILD=$(abspath $(SANITIZE))
	cmake --build $(BUILD) -j$(JOBS)

sanitize: packages
	CC=clang CXX=clang++ cmake -S . -B $(SANITIZE) -DORVANE_SANITIZE=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(SANITIZE) -j$(JOBS)

windows: packages
	cmake -S . -B $(WINDOWS) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
	-DCMAKE_BUILD_TYPE=Release
	cmake --build $(WINDOWS) -j$(JOBS)

# Installs the Debian packages that are missing when run as root; otherwise
# prints the command that would.
.PHONY: packages
packages:
	@missing=$$(for p in $(PACKAGES); do dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q '^install ok installed$$' || echo $$p; done); \
	if [ -n "$$missing" ]; then \
	  if [ "$$(id -u)" = 0 ]; then \
	    apt-get update && DEBIAN_FRONTEND=noninteractive apt-get install -y $$missing; \
	  else \
	    echo "Missing packages. Install them with:"; \
	    echo "  sudo apt-get install -y $$(echo $$missing)"; \
	    exit 1; \
	  fi; \
	fi
