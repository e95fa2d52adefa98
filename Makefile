# The two commands of the README, the browser edition (site, web), and the
# benchmark, fuzz and package targets. Each first installs whatever Debian
# packages are missing; only the browser edition's targets and the tests
# install Emscripten, the three browsers and the npm packages.

GENERATOR := -G Ninja
JOBS ?= $(shell nproc)

.PHONY: run test web-test bench fuzz package deps deps-web site web web-bench clean

deps:
	@scripts/install-deps

deps-web:
	@scripts/install-deps web

# The browser edition, a folder of static files in build/web/site. Its
# build tools for the chimes and the icon come from HOST_BUILD.
HOST_BUILD ?= build/web/host
site: deps-web
	JOBS=$(JOBS) scripts/build-site $(HOST_BUILD)

web: site
	@echo "Coinwell on http://127.0.0.1:8080/ (Ctrl+C ends)"
	cd web && node scripts/serve.mjs 8080

web-bench: site
	cd web && node bench/bench.mjs

run: deps
	cmake -S . -B build/release $(GENERATOR) -DCMAKE_BUILD_TYPE=Release -DCOINWELL_TESTS=OFF
	cmake --build build/release -j $(JOBS)
	./build/release/bin/coinwell

test: deps
	cmake -S . -B build/test $(GENERATOR) -DCMAKE_BUILD_TYPE=Debug -DCOINWELL_SANITIZE=ON -DCOINWELL_WERROR=ON
	cmake --build build/test -j $(JOBS)
	cd build/test && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)
	@scripts/install-deps web
	COINWELL_WEB_TESTS=1 JOBS=$(JOBS) scripts/build-site build/test
	cd build/web/cmake && ctest --output-on-failure
	$(MAKE) web-test

# The page's one suite, in each browser engine in turn (ENGINES=firefox
# for one); needs the site and build/test's desktop program built.
ENGINES ?= chromium firefox webkit
web-test:
	cd web && for engine in $(ENGINES); do \
	  echo "web-test: $$engine"; \
	  COINWELL_ENGINE=$$engine COINWELL_PROGRAM=$(CURDIR)/build/test/bin/coinwell \
	    node --test --test-concurrency=1 tests/ || exit 1; \
	done

bench: deps
	cmake -S . -B build/bench $(GENERATOR) -DCMAKE_BUILD_TYPE=Release -DCOINWELL_BENCH=ON -DCOINWELL_TESTS=OFF
	cmake --build build/bench -j $(JOBS) --target coinwell_bench
	QT_QPA_PLATFORM=offscreen ./build/bench/bin/coinwell_bench
	cmake --build build/bench -j $(JOBS) --target coinwell chimes startup_baseline
	/usr/bin/python3 bench/startup.py build/bench/bench/startup_baseline build/bench/bin/coinwell

fuzz: deps
	cmake -S . -B build/fuzz $(GENERATOR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_C_COMPILER=clang \
	  -DCMAKE_CXX_COMPILER=clang++ -DCOINWELL_FUZZ=ON -DCOINWELL_TESTS=OFF
	cmake --build build/fuzz -j $(JOBS) --target read_number_fuzz
	mkdir -p build/fuzz/corpus
	./build/fuzz/bin/read_number_fuzz -max_total_time=$(or $(FUZZ_SECONDS),60) -max_len=4096 \
	  -dict=fuzz/read_number.dict -print_final_stats=1 build/fuzz/corpus

package: deps
	cmake -S . -B build/package $(GENERATOR) -DCMAKE_BUILD_TYPE=Release -DCOINWELL_TESTS=OFF \
	  -DCMAKE_INSTALL_PREFIX=/usr
	cmake --build build/package -j $(JOBS)
	cd build/package && cpack -G DEB

clean:
	rm -rf build
