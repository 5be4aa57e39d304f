# Two doors: `make run` plays the game, `make test` runs every test.
# Both install missing system packages first (scripts/install-deps.sh).

BUILD      ?= build
PREFIX     ?= /usr/local
TEST_BUILD ?= build-test
JOBS       ?= $(shell nproc)
CI_FLAGS   := $(if $(CI),-DTOLVANE_WERROR=ON,)

WEB        ?= build-web
WEB_PORT   ?= 8066

.PHONY: all deps build run test install package clean web serve-web

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

# Also builds the browser game from the test build's data and tests it.
test:
	@./scripts/install-deps.sh all
	cmake -S . -B $(TEST_BUILD) -DCMAKE_BUILD_TYPE=Debug -DTOLVANE_SANITIZE=ON -DTOLVANE_WERROR=ON \
	  -DTOLVANE_WEB_DIR=$(CURDIR)/$(WEB) >/dev/null
	cmake --build $(TEST_BUILD) -j $(JOBS)
	./scripts/web-build.sh $(CURDIR)/$(TEST_BUILD)/data $(CURDIR)/$(WEB)
	cd $(TEST_BUILD) && ctest --output-on-failure -j $(JOBS) $(CTEST_ARGS)

# The browser build: the native tree makes the data, emcc the game
# (cmake/web.cmake); $(WEB)/ is the folder to serve.
web: build
	@./scripts/install-deps.sh web
	./scripts/web-build.sh $(CURDIR)/$(BUILD)/data $(CURDIR)/$(WEB)

serve-web: web
	@echo "Tolvane in the browser: http://127.0.0.1:$(WEB_PORT)/"
	cd $(WEB) && python3 -m http.server --bind 127.0.0.1 $(WEB_PORT)

clean:
	rm -rf $(BUILD) $(TEST_BUILD) $(WEB) $(WEB)-tree
