#ifndef VUREDO_KLUTransposedSolveH
#define VUREDO_KLUTransposedSolveH

#include <vector>

#include <klu.h>

namespace VUREDO {

/*! Solves A^T x = b with the factors KLU holds for A, giving exactly the result of
	klu_l_tsolve for one right-hand side.

	KLU's triangular solves visit the columns strictly in order, and each column waits for
	the division of the one before it: for the long chains of a meshed wall the solve is
	bound by the latency of that chain, not by its arithmetic. This solve visits the
	columns of each triangular factor by dependency level instead: columns of one level
	read only values of earlier levels, so the chains of different walls overlap in the
	processor. Each value is still formed by the same operations in the same order as in
	KLU (entries summed in their stored order, then the division by the pivot), so the
	result is the same to the bit.

	The schedule holds pointers into KLU's numeric object. update() must be called after
	every factorisation: it keeps the schedule when only the values changed (klu_refactor)
	and rebuilds it when the structure changed (klu_factor).
*/
class KLUTransposedSolve {
public:
	/*! Brings the schedule up to date with the factors; cheap when the structure is
		unchanged. Both pointers may be null (then solve() must not be called).
	*/
	void update(const klu_l_symbolic * symbolic, const klu_l_numeric * numeric);

	/*! True when a schedule for factors is held (update() saw both objects). */
	bool ready() const { return m_numeric != nullptr; }

	/*! Overwrites b with the solution of A^T x = b; b has the matrix dimension. */
	void solve(double * b);

	/*! Number of schedule rebuilds so far (each change of the factors' structure). */
	unsigned int rebuilds() const { return m_rebuilds; }
	/*! Longest dependency chain of the U and L solves of the last schedule (levels summed
		over the blocks); a chain as long as the matrix means no overlap at all.
	*/
	unsigned int levels() const { return m_levels; }

private:
	/*! One column of a triangular factor: x[k] -= sum val[p]*x[base + idx[p]]. */
	struct Column {
		const SuiteSparse_long	*idx;
		const double			*val;
		/*! Pivot (U only). */
		const double			*diag;
		SuiteSparse_long		len;
		SuiteSparse_long		k;
		SuiteSparse_long		base;
	};
	/*! Work of one diagonal block, in solve order. */
	struct Block {
		SuiteSparse_long	k1;
		SuiteSparse_long	k2;
		/*! Range of this block's U columns and L columns in m_columns. */
		std::size_t			uBegin;
		std::size_t			lBegin;
		std::size_t			lEnd;
	};

	bool structureChanged(const klu_l_symbolic * symbolic, const klu_l_numeric * numeric) const;
	void rebuild(const klu_l_symbolic * symbolic, const klu_l_numeric * numeric);
	/*! Appends the columns k1..k2-1 of the factor U (upper) or L in level order. */
	unsigned int appendLevelOrder(const klu_l_numeric * numeric, SuiteSparse_long block,
								  bool upper, std::vector<SuiteSparse_long> & level);
	void snapshot(const klu_l_symbolic * symbolic, const klu_l_numeric * numeric);

	const klu_l_symbolic	*m_symbolic = nullptr;
	const klu_l_numeric		*m_numeric = nullptr;
	SuiteSparse_long		m_n = 0;

	std::vector<Block>		m_blocks;
	std::vector<Column>		m_columns;
	/*! Permuted and scaled work vector. */
	std::vector<double>		m_x;
	/*! Copies of the structure the schedule was built from. */
	std::vector<SuiteSparse_long>	m_structure;
	std::vector<const void *>		m_pointers;

	unsigned int			m_rebuilds = 0;
	unsigned int			m_levels = 0;
};

} // namespace VUREDO

#endif // VUREDO_KLUTransposedSolveH
