# The two set-up commands of the README, and a benchmark run.
BUILD := build
PREFIX := $(BUILD)/demo-prefix
JOBS := $(shell nproc 2>/dev/null || echo 2)
PACKAGES := cmake make g++ pkg-config qt6-base-dev libgl-dev libxcb-randr0-dev fonts-liberation \
            libgtest-dev libgmock-dev libbenchmark-dev

.PHONY: run test bench packages build

run: build
	@test -f $(PREFIX)/user.reg || $(BUILD)/make_demo_prefix $(PREFIX)
	WINEPREFIX=$(abspath $(PREFIX)) $(BUILD)/orvane

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS)

bench: build
	$(BUILD)/bench/orvane_bench
	$(BUILD)/bench/orvane_window_bench

build: packages
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j$(JOBS)

# Installs the Debian packages that are missing when run as root; otherwise
# prints the command that would.
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
