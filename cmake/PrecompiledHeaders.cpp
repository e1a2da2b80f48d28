// SPDX-FileCopyrightText: The Hushvault developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The translation unit that precompiled headers are made for (cmake/HushvaultPrecompiledHeaders.cmake).
