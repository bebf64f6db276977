// SPDX-FileCopyrightText: The Vendral developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Loaded before a test compiled to WebAssembly. Node 20 has fetch(), and an
// emscripten 3.1.6 module that finds it fetches its .wasm file by URL, which
// fails for a file on disk; without it the module reads the file.
delete globalThis.fetch;
