# Every floating-point operation rounded on its own, as written, on every processor. GCC otherwise
# fuses a multiplication and an addition into one instruction wherever the processor has one
# (arm64 always, amd64 not in its baseline), and the fused result, rounded once, can differ in
# its last bit: the curves, the flights' positions and the layout would then differ between the
# amd64 and the arm64 program. tests/motion/interpolation_test.cpp holds values where they would.
add_compile_options(-ffp-contract=off)
