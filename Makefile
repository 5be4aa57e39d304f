# Two doors: `make run` plays the game, `make test` runs every test.
# Both install missing system packages first (scripts/install-deps.sh).

BUILD      ?= build
PREFIX     ?= /usr/local
TEST_BUILD ?= build-test
JOBS       ?= $(shell nproc)
CI_FLAGS   := $(if $(CI),-DTOLVANE_WERROR=ON,)

.PHONY: all deps build run test install package clean

all: build

deps:
	@./scripts/install-deps.sh

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTOLVANE_TESTS=OFF $(CI_FLAGS) >/dev/null
	cmake --build $(BUILD) -j $(JOBS)

run: build
	cd $(BUILD)/data && ../tolvane $(ARGS)

# Installs into PREFIX (bin/, share/tolvane/, the menu entry, icons, man page).
install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

# A Debian package in $(BUILD)/.
package: build
	cd $(BUILD) && cpack -G DEB

test: deps
	cmake -S . -B $(TEST_BUILD) -DCMAKE_BUILD_TYPE=Debug -DTOLVANE_SANITIZE=ON -DTOLVANE_WERROR=ON >/dev/null
	cmake --build $(TEST_BUILD) -j $(JOBS)
	cd $(TEST_BUILD) && ctest --output-on-failure -j $(JOBS) $(CTEST_ARGS)

clean:
	rm -rf $(BUILD) $(TEST_BUILD)
