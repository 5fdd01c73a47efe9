package com.phraxis.jni;

/** The languages of the engine, with their fixed LanguageIDs. */
public enum Language {
  /** Let the engine identify English, French, German or Spanish. */
  AUTOMATIC(0),
  ENGLISH(1),
  FRENCH(2),
  JAPANESE(3),
  GERMAN(4),
  SPANISH(5),
  KOREAN(6);

  private final int id;

  Language(int id) {
    this.id = id;
  }

  /** The engine's LanguageID. */
  public int id() {
    return id;
  }

  /**
   * The language with the given LanguageID.
   *
   * @throws IllegalArgumentException if no language has that id
   */
  public static Language fromId(int id) {
    for (Language language : values()) {
      if (language.id == id) {
        return language;
      }
    }
    throw new IllegalArgumentException("no language has the id " + id);
  }
}
