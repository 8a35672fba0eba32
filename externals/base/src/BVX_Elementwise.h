#ifndef BVX_ElementwiseH
#define BVX_ElementwiseH

/*! Marks a function with element-wise loops for AVX-512 and AVX2 clones chosen at load time
	on CPUs that have them. AVX-512 brings fused multiply-add, so the function is compiled
	without contraction: every clone rounds like the plain loop and results do not depend on
	the processor. Reductions that must keep their sequential summation order do not belong here. */
#if defined(__GNUC__) && !defined(__clang__) && defined(__x86_64__) && defined(__linux__)
#define BVX_ELEMENTWISE __attribute__((target_clones("avx512f", "avx2", "default"), optimize("fp-contract=off")))
#else
#define BVX_ELEMENTWISE
#endif

#endif // BVX_ElementwiseH
