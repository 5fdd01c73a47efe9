package com.phraxis.jni;

/** A stand-in for the real class without the handle field. */
final class StopMemory {
  native int CreateStopMemory_helper();
}
