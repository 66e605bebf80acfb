# Sourced by the scripts: ccache takes paths below the repository as
# relative ones, so that a clone in another folder (as CI makes) reuses the
# compilations of this one.
export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$PWD}
export CCACHE_NOHASHDIR=${CCACHE_NOHASHDIR:-1}
