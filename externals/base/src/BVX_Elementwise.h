#ifndef BVX_ElementwiseH
#define BVX_ElementwiseH

/*! Marks a function with element-wise loops for an AVX2 clone chosen at load time on CPUs
	that have it. AVX2 alone brings no fused multiply-add, so both clones round identically.
	Reductions that must keep their sequential summation order do not belong here. */
#if defined(__GNUC__) && !defined(__clang__) && defined(__x86_64__) && defined(__linux__)
#define BVX_ELEMENTWISE __attribute__((target_clones("avx2", "default")))
#else
#define BVX_ELEMENTWISE
#endif

#endif // BVX_ElementwiseH
