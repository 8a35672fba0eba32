#ifndef BVX_ptr_listH
#define BVX_ptr_listH

#include <algorithm>
#include <cstddef>
#include <memory>
#include <vector>

#include "BVX_Exception.h"

namespace BVX {

/*! A list of pointers that owns its elements: clearing or destroying the list
	deletes every element. A pointer can be added only once.
*/
template <typename T>
class ptr_list {
public:
	ptr_list() = default;
	virtual ~ptr_list() = default;

	ptr_list(const ptr_list &) = delete;
	ptr_list & operator=(const ptr_list &) = delete;

	/*! Appends the pointer and takes ownership of it. A pointer that is already in the
		list is refused with an exception (and stays owned by the list). */
	void add(T * p) {
		auto same = [p](const std::unique_ptr<T> & e) { return e.get() == p; };
		if (std::find_if(m_items.begin(), m_items.end(), same) != m_items.end())
			throw Exception("Pointer already exists in the list.", "[ptr_list<T>::add]");
		m_items.emplace_back(p);
	}

	/*! Deletes all elements. */
	void clear() { m_items.clear(); }

	std::size_t size() const { return m_items.size(); }
	bool empty() const { return m_items.empty(); }

	T * operator[](std::size_t i) { return m_items[i].get(); }
	const T * operator[](std::size_t i) const { return m_items[i].get(); }

private:
	std::vector<std::unique_ptr<T>>	m_items;
};

} // namespace BVX

#endif // BVX_ptr_listH
