# Two doors: `make run` plays the game, `make test` runs every test.
# Both install missing system packages first (scripts/install-deps.sh).

BUILD      ?= build
PREFIX     ?= /usr/local
TEST_BUILD ?= build-test
JOBS       ?= $(shell nproc)
CI_FLAGS   := $(if $(CI),-DTOLVANE_WERROR=ON,)

WEB        ?= build-web
WEB_PORT   ?= 8066

WIN_BUILD  ?= build-windows
# The native build whose generator and data the Windows build takes.
WIN_NATIVE ?= $(BUILD)

.PHONY: all deps build run test install package clean web serve-web windows windows-zip windows-test

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

# Every test: the native ones, the browser game's and the Windows game's
# (under Wine), both made from the test build's data.
test:
	@./scripts/install-deps.sh all
	cmake -S . -B $(TEST_BUILD) -DCMAKE_BUILD_TYPE=Debug -DTOLVANE_SANITIZE=ON -DTOLVANE_WERROR=ON \
	  -DTOLVANE_WEB_DIR=$(CURDIR)/$(WEB) >/dev/null
	cmake --build $(TEST_BUILD) -j $(JOBS)
	./scripts/web-build.sh $(CURDIR)/$(TEST_BUILD)/data $(CURDIR)/$(WEB)
	cd $(TEST_BUILD) && ctest --output-on-failure -j $(JOBS) $(CTEST_ARGS)
	$(MAKE) windows-test WIN_NATIVE=$(TEST_BUILD)

# The Windows game in $(WIN_BUILD)/Tolvane/ (see README): the native tree
# first (generator, data), the libraries (cached), then the game alone.
windows:
	@./scripts/install-deps.sh windows
	@[ -f $(WIN_NATIVE)/CMakeCache.txt ] || cmake -S . -B $(WIN_NATIVE) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTOLVANE_TESTS=OFF >/dev/null
	cmake --build $(WIN_NATIVE) -j $(JOBS) --target gamedata assetgen
	prefix="$$(./scripts/deps/build-windows.sh)" && \
	  TOLVANE_WINDOWS_PREFIX="$$prefix" cmake -S . -B $(WIN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release \
	    -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake -DTOLVANE_WINDOWS_PREFIX="$$prefix" \
	    -DTOLVANE_NATIVE_BUILD=$(abspath $(WIN_NATIVE)) $(CI_FLAGS) >/dev/null && \
	  TOLVANE_WINDOWS_PREFIX="$$prefix" cmake --build $(WIN_BUILD) -j $(JOBS)

windows-zip: windows
	cmake --build $(WIN_BUILD) --target windows_zip

# The Windows game under Wine on a virtual screen (tests/windows/).
windows-test: windows
	tests/windows/run.sh $(WIN_BUILD)/Tolvane $(WIN_NATIVE)

# The browser build: the native tree makes the data, emcc the game
# (cmake/web.cmake); $(WEB)/ is the folder to serve.
web: build
	@./scripts/install-deps.sh web
	./scripts/web-build.sh $(CURDIR)/$(BUILD)/data $(CURDIR)/$(WEB)

# Each file's .br or .gz copy, as the browser accepts it (scripts/serve-web.py).
serve-web: web
	python3 scripts/serve-web.py $(WEB) $(WEB_PORT)

clean:
	rm -rf $(BUILD) $(TEST_BUILD) $(WEB) $(WEB)-tree $(WIN_BUILD)
