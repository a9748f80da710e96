// Qt headers for the widget libraries, tests and tools; precompiled once.
#pragma once
#include "QtCorePch.h"
#include <QtWidgets/QApplication>
#include <QtWidgets/QWidget>
