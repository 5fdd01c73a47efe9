package com.phraxis.jni;

/**
 * Loads the native bridge {@code phx_jni} once per class loader.
 *
 * <p>The library is found by this rule: if the system property
 * {@value #PATH_PROPERTY} is set, it names the library file, which is loaded
 * with {@link System#load(String)}; otherwise {@code System.loadLibrary("phx_jni")}
 * looks for {@code libphx_jni.so} (or {@code phx_jni.dll}) on
 * {@code java.library.path}. The bridge in turn needs the engine library
 * {@code phx_api}, which the system's dynamic linker finds.
 */
final class NativeLibrary {
  /** System property naming the bridge library file. */
  static final String PATH_PROPERTY = "phraxis.library.path";
  /** Library name used when the property is not set. */
  static final String LIBRARY_NAME = "phx_jni";

  private static boolean loaded;

  private NativeLibrary() {}

  static synchronized void load() {
    if (loaded) {
      return;
    }
    String path = System.getProperty(PATH_PROPERTY);
    if (path != null && !path.isEmpty()) {
      System.load(path);
    } else {
      System.loadLibrary(LIBRARY_NAME);
    }
    loaded = true;
  }
}
