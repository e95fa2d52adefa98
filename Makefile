# The two commands of the README, and the benchmark, fuzz and package targets.
# Each first installs whatever Debian packages are missing.

GENERATOR := -G Ninja
JOBS ?= $(shell nproc)

.PHONY: run test bench fuzz package deps clean

deps:
	@scripts/install-deps

run: deps
	cmake -S . -B build/release $(GENERATOR) -DCMAKE_BUILD_TYPE=Release -DCOINWELL_TESTS=OFF
	cmake --build build/release -j $(JOBS)
	./build/release/bin/coinwell

test: deps
	cmake -S . -B build/test $(GENERATOR) -DCMAKE_BUILD_TYPE=Debug -DCOINWELL_SANITIZE=ON -DCOINWELL_WERROR=ON
	cmake --build build/test -j $(JOBS)
	cd build/test && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

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
