# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the scripts that start the real program: a fresh folder $work of its own for
# the registry store and the desktop's config and data folders, and the real display
# platform rather than the tests' offscreen one.
rm -rf "$work"
mkdir -p "$work/registry" "$work/config" "$work/data"
export VELTRANE_REGISTRY_DIR="$work/registry"
export XDG_CONFIG_HOME="$work/config"
export XDG_DATA_HOME="$work/data"
unset QT_QPA_PLATFORM
