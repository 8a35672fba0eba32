#include "VUREDO_KLUTransposedSolve.h"

#include <algorithm>

namespace VUREDO {

namespace {

/*! Indices and values of column k of a packed factor: KLU stores the row indices of a
	column first and its values right after them, both in units of one double.
*/
inline void columnPointers(const klu_l_numeric * numeric, SuiteSparse_long block, SuiteSparse_long k,
						   bool upper, const SuiteSparse_long *& idx, const double *& val, SuiteSparse_long & len)
{
	static_assert(sizeof(SuiteSparse_long) == sizeof(double), "packed factors assume 8-byte indices");
	const double * LU = static_cast<const double *>(numeric->LUbx[block]);
	const SuiteSparse_long offset = upper ? numeric->Uip[k] : numeric->Lip[k];
	len = upper ? numeric->Ulen[k] : numeric->Llen[k];
	idx = reinterpret_cast<const SuiteSparse_long *>(LU + offset);
	val = LU + offset + len;
}

} // namespace


void KLUTransposedSolve::update(const klu_l_symbolic * symbolic, const klu_l_numeric * numeric) {
	if (symbolic == nullptr || numeric == nullptr) {
		m_symbolic = nullptr;
		m_numeric = nullptr;
		m_blocks.clear();
		m_columns.clear();
		return;
	}
	if (structureChanged(symbolic, numeric))
		rebuild(symbolic, numeric);
}


void KLUTransposedSolve::solve(double * b) {
	double * x = m_x.data();
	const SuiteSparse_long * Q = m_symbolic->Q;
	for (SuiteSparse_long k = 0; k < m_n; ++k)
		x[k] = b[Q[k]];

	const SuiteSparse_long * Offp = m_numeric->Offp;
	const SuiteSparse_long * Offi = m_numeric->Offi;
	const double * Offx = static_cast<const double *>(m_numeric->Offx);
	const Column * columns = m_columns.data();
	for (const Block & blk : m_blocks) {
		// entries coupling this block to the blocks solved before it (none for the first)
		for (SuiteSparse_long k = blk.k1; k < blk.k2 && blk.k1 > 0; ++k) {
			double s = x[k];
			for (SuiteSparse_long p = Offp[k]; p < Offp[k+1]; ++p)
				s -= Offx[p]*x[Offi[p]];
			x[k] = s;
		}
		// U^T, then L^T (unit diagonal), columns in dependency-level order
		for (std::size_t c = blk.uBegin; c < blk.lBegin; ++c) {
			const Column & col = columns[c];
			const double * xb = x + col.base;
			double s = x[col.k];
			for (SuiteSparse_long p = 0; p < col.len; ++p)
				s -= col.val[p]*xb[col.idx[p]];
			x[col.k] = s / *col.diag;
		}
		for (std::size_t c = blk.lBegin; c < blk.lEnd; ++c) {
			const Column & col = columns[c];
			const double * xb = x + col.base;
			double s = x[col.k];
			for (SuiteSparse_long p = 0; p < col.len; ++p)
				s -= col.val[p]*xb[col.idx[p]];
			x[col.k] = s;
		}
	}

	const SuiteSparse_long * Pnum = m_numeric->Pnum;
	const double * Rs = m_numeric->Rs;
	if (Rs == nullptr) {
		for (SuiteSparse_long k = 0; k < m_n; ++k)
			b[Pnum[k]] = x[k];
	}
	else {
		// the factorisation leaves the row scale factors in pivot order
		for (SuiteSparse_long k = 0; k < m_n; ++k)
			b[Pnum[k]] = x[k] / Rs[k];
	}
}


void KLUTransposedSolve::snapshot(const klu_l_symbolic * symbolic, const klu_l_numeric * numeric) {
	// everything the schedule depends on: a refactorisation keeps all of it, a new
	// factorisation (other pivots, other fill) changes some of it
	const SuiteSparse_long n = symbolic->n;
	const SuiteSparse_long nblocks = symbolic->nblocks;
	m_structure.assign({ n, nblocks, numeric->n, numeric->nblocks, numeric->nzoff });
	m_structure.insert(m_structure.end(), symbolic->Q, symbolic->Q + n);
	m_structure.insert(m_structure.end(), symbolic->R, symbolic->R + nblocks + 1);
	m_structure.insert(m_structure.end(), numeric->Pnum, numeric->Pnum + n);
	m_structure.insert(m_structure.end(), numeric->Offp, numeric->Offp + n + 1);
	m_pointers.assign({ symbolic, numeric, numeric->Udiag, numeric->Rs, numeric->Offi, numeric->Offx });
	for (SuiteSparse_long block = 0; block < nblocks; ++block) {
		const SuiteSparse_long k1 = symbolic->R[block];
		const SuiteSparse_long k2 = symbolic->R[block+1];
		if (k2 - k1 == 1)
			continue; // singletons have no packed columns
		m_pointers.push_back(numeric->LUbx[block]);
		m_structure.insert(m_structure.end(), numeric->Lip + k1, numeric->Lip + k2);
		m_structure.insert(m_structure.end(), numeric->Llen + k1, numeric->Llen + k2);
		m_structure.insert(m_structure.end(), numeric->Uip + k1, numeric->Uip + k2);
		m_structure.insert(m_structure.end(), numeric->Ulen + k1, numeric->Ulen + k2);
	}
}


bool KLUTransposedSolve::structureChanged(const klu_l_symbolic * symbolic, const klu_l_numeric * numeric) const {
	if (symbolic != m_symbolic || numeric != m_numeric)
		return true;
	const SuiteSparse_long n = symbolic->n;
	const SuiteSparse_long nblocks = symbolic->nblocks;
	if (m_structure.size() < 5 || m_structure[0] != n || m_structure[1] != nblocks
		|| m_structure[2] != numeric->n || m_structure[3] != numeric->nblocks || m_structure[4] != numeric->nzoff)
		return true;
	const SuiteSparse_long * s = m_structure.data() + 5;
	const SuiteSparse_long * const end = m_structure.data() + m_structure.size();
	auto same = [&s, end](const SuiteSparse_long * a, SuiteSparse_long count) {
		if (end - s < count || !std::equal(a, a + count, s))
			return false;
		s += count;
		return true;
	};
	if (!same(symbolic->Q, n) || !same(symbolic->R, nblocks + 1) || !same(numeric->Pnum, n) || !same(numeric->Offp, n + 1))
		return true;
	std::size_t pointer = 6;
	if (m_pointers.size() < pointer || m_pointers[2] != numeric->Udiag || m_pointers[3] != numeric->Rs
		|| m_pointers[4] != numeric->Offi || m_pointers[5] != numeric->Offx)
		return true;
	for (SuiteSparse_long block = 0; block < nblocks; ++block) {
		const SuiteSparse_long k1 = symbolic->R[block];
		const SuiteSparse_long k2 = symbolic->R[block+1];
		if (k2 - k1 == 1)
			continue;
		if (pointer >= m_pointers.size() || m_pointers[pointer++] != numeric->LUbx[block])
			return true;
		if (!same(numeric->Lip + k1, k2 - k1) || !same(numeric->Llen + k1, k2 - k1)
			|| !same(numeric->Uip + k1, k2 - k1) || !same(numeric->Ulen + k1, k2 - k1))
			return true;
	}
	return s != end || pointer != m_pointers.size();
}


void KLUTransposedSolve::rebuild(const klu_l_symbolic * symbolic, const klu_l_numeric * numeric) {
	m_symbolic = symbolic;
	m_numeric = numeric;
	m_n = symbolic->n;
	m_x.assign(static_cast<std::size_t>(m_n), 0.0);
	m_blocks.clear();
	m_columns.clear();
	m_levels = 0;
	std::vector<SuiteSparse_long> level;
	const double * Udiag = static_cast<const double *>(numeric->Udiag);
	for (SuiteSparse_long block = 0; block < symbolic->nblocks; ++block) {
		Block blk;
		blk.k1 = symbolic->R[block];
		blk.k2 = symbolic->R[block+1];
		blk.uBegin = m_columns.size();
		if (blk.k2 - blk.k1 == 1) {
			// a singleton: only the division by its pivot
			m_columns.push_back(Column{ nullptr, nullptr, Udiag + blk.k1, 0, blk.k1, blk.k1 });
			blk.lBegin = blk.lEnd = m_columns.size();
			m_levels += 1;
		}
		else {
			m_levels += appendLevelOrder(numeric, block, true, level);
			blk.lBegin = m_columns.size();
			m_levels += appendLevelOrder(numeric, block, false, level);
			blk.lEnd = m_columns.size();
		}
		m_blocks.push_back(blk);
	}
	snapshot(symbolic, numeric);
	++m_rebuilds;
}


unsigned int KLUTransposedSolve::appendLevelOrder(const klu_l_numeric * numeric, SuiteSparse_long block,
												  bool upper, std::vector<SuiteSparse_long> & level)
{
	const SuiteSparse_long k1 = m_symbolic->R[block];
	const SuiteSparse_long nk = m_symbolic->R[block+1] - k1;
	const double * Udiag = static_cast<const double *>(numeric->Udiag);
	level.assign(static_cast<std::size_t>(nk), 0);
	// U^T runs forward and reads earlier columns, L^T runs backward and reads later ones
	SuiteSparse_long maxLevel = -1;
	for (SuiteSparse_long j = 0; j < nk; ++j) {
		const SuiteSparse_long k = upper ? j : nk - 1 - j;
		const SuiteSparse_long * idx;
		const double * val;
		SuiteSparse_long len;
		columnPointers(numeric, block, k1 + k, upper, idx, val, len);
		SuiteSparse_long lev = 0;
		for (SuiteSparse_long p = 0; p < len; ++p)
			lev = std::max(lev, level[static_cast<std::size_t>(idx[p])] + 1);
		level[static_cast<std::size_t>(k)] = lev;
		// a column of L without entries leaves its value as it is
		if (upper || len > 0)
			maxLevel = std::max(maxLevel, lev);
	}
	for (SuiteSparse_long lev = 0; lev <= maxLevel; ++lev) {
		for (SuiteSparse_long j = 0; j < nk; ++j) {
			const SuiteSparse_long k = upper ? j : nk - 1 - j;
			if (level[static_cast<std::size_t>(k)] != lev)
				continue;
			Column col;
			columnPointers(numeric, block, k1 + k, upper, col.idx, col.val, col.len);
			if (!upper && col.len == 0)
				continue;
			col.diag = upper ? Udiag + k1 + k : nullptr;
			col.k = k1 + k;
			col.base = k1;
			m_columns.push_back(col);
		}
	}
	return static_cast<unsigned int>(maxLevel + 1);
}

} // namespace VUREDO
