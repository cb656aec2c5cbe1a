#pragma once
// libmdb's header includes glib inside extern "C", which glib's C++ parts
// refuse: glib is included first, as C++.
#include <glib.h>
#include <iconv.h>
#include <mdbtools.h>
