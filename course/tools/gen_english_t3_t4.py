#!/usr/bin/env python3
"""Writes the English papers for two topics:

  topic 3  Synonyms and Antonyms   papers 111..115, ids 11151..11225
  topic 4  Spelling                papers 116..120, ids 11226..11300

Standard library only, no randomness: running the script again writes the
same files. Every question is written out by hand below; the helpers only
turn it into page HTML and answer lines, and check everything before a file
is written.

Keys:
  * open synonym and antonym answers are M keys listing every word a teacher
    would accept, the best answer first (it is shown as the model answer);
  * "name any two/three" answers are G groups;
  * a word with an apostrophe (they're, you're) is also accepted with a
    curly apostrophe;
  * where a spelling question tests a British spelling, the page says
    "Use British spelling"; elsewhere British and American forms are both
    accepted.

Usage:  python3 course/tools/gen_english_t3_t4.py
"""

import os
import re

HERE = os.path.dirname(os.path.abspath(__file__))
COURSE = os.path.dirname(HERE)
ENGLISH = os.path.join(COURSE, 'english')

LETTERS = 'abcdefghijklmnopqrst'
BLANK = '<span class="blank">&nbsp;</span>'
CHOOSE = 'Write the number of the correct answer.'

FIRST_ID = 11151
LAST_ID = 11300


# ---------------------------------------------------------------------------
# Building questions
# ---------------------------------------------------------------------------

class Question:
    def __init__(self, instruction, lines, answers):
        self.instruction = instruction
        self.lines = lines          # body HTML, one line each
        self.answers = answers      # list of (type, marks, key)
        self.qid = None


def p(text):
    return '<p>%s</p>' % text


def u(word):
    """An underlined word."""
    return '<u>%s</u>' % word


def b(word):
    return '<b>%s</b>' % word


def options(items):
    assert len(items) == 4
    return '<ol class="options">%s</ol>' % ''.join('<li>%s</li>' % i for i in items)


def word_box(words):
    """A box of words to choose from."""
    return '<div class="passage"><p>%s</p></div>' % ' &nbsp;&nbsp;&nbsp; '.join(b(w) for w in words)


def curly(word):
    """The word as typed with a straight or a curly apostrophe."""
    forms = [word]
    if "'" in word:
        forms.append(word.replace("'", '\u2019'))
    return forms


def alts(words):
    return ';' + ';'.join(words)


def key_of(answer):
    """A key given as a word (T) or as a list of accepted words (M)."""
    if isinstance(answer, str):
        if "'" in answer:
            return 'M', alts(curly(answer))
        return 'T', answer
    words = []
    for w in answer:
        words.extend(curly(w))
    if len(words) == 1:
        return 'T', words[0]
    return 'M', alts(words)


def choice(instruction, lines, opts, correct):
    """Multiple choice: `correct` is the option number, 1 to 4."""
    assert 1 <= correct <= 4
    return Question(instruction, list(lines) + [options(opts)], [('Q', 1, str(correct))])


def single(instruction, lines, answer, marks=1):
    kind, key = key_of(answer)
    return Question(instruction, list(lines), [(kind, marks, key)])


def parts(instruction, lines, items, marks=1):
    """items: (part HTML, answer) pairs; one slot each, labelled (a), (b), ..."""
    body = list(lines)
    answers = []
    for i, (text, answer) in enumerate(items):
        body.append('<p class="part">(%s) %s</p>' % (LETTERS[i], text))
        kind, key = key_of(answer)
        answers.append((kind, marks, key))
    return Question(instruction, body, answers)


def group(instruction, lines, words, slots, marks=1):
    """'Write down any two ...': a G head and single-space followers."""
    assert slots >= 2 and len(words) >= slots
    body = list(lines)
    answers = [('G', marks, alts(words))] + [('G', marks, ' ')] * (slots - 1)
    for i in range(slots):
        body.append('<p class="part">(%s) %s</p>' % (LETTERS[i], BLANK))
    return Question(instruction, body, answers)


def pattern(clue, letters):
    """A clue followed by the letters given, e.g. 'l _ _ _ t'."""
    return '%s &nbsp; %s' % (clue, b(letters))


def fits_pattern(letters, word):
    cells = letters.split()
    return len(cells) == len(word) and all(c == '_' or c.lower() == w.lower()
                                           for c, w in zip(cells, word))


# ---------------------------------------------------------------------------
# Topic 3: Synonyms and Antonyms
# ---------------------------------------------------------------------------

def paper_111():
    return [
        choice('Choose the word that means the same. ' + CHOOSE,
               [p('Which word is closest in meaning to %s?' % b('begin'))],
               ['finish', 'start', 'wait', 'hurry'], 2),

        choice('Choose the word that means the same. ' + CHOOSE,
               [p('Which word is closest in meaning to %s?' % b('tiny'))],
               ['huge', 'heavy', 'small', 'tall'], 3),

        parts('Make each word mean the opposite by adding un or dis at the start. Write the new word.',
              [p('Example: %s &rarr; %s' % (b('fair'), b('unfair')))],
              [(b('happy'), 'unhappy'),
               (b('like'), ['dislike', 'unlike']),
               (b('kind'), 'unkind'),
               (b('agree'), 'disagree'),
               (b('lock'), 'unlock')]),

        choice('Choose the word that is opposite in meaning. ' + CHOOSE,
               [p('Which word is opposite in meaning to %s?' % b('ancient'))],
               ['old', 'modern', 'broken', 'famous'], 2),

        single('Write one word that means the same as the underlined word.',
               [p('Grandpa was %s to see us when we arrived.' % u('glad'))],
               ['happy', 'pleased', 'delighted', 'thrilled', 'overjoyed', 'joyful', 'cheerful',
                'elated', 'joyous', 'content', 'contented', 'ecstatic', 'gleeful', 'jolly', 'merry']),

        parts('Write the word from the box that is opposite in meaning to each word.',
              [word_box(['arrive', 'noisy', 'shut', 'narrow', 'below'])],
              [(b('wide'), 'narrow'),
               (b('open'), 'shut'),
               (b('quiet'), 'noisy'),
               (b('leave'), 'arrive'),
               (b('above'), 'below')]),

        choice('Choose the word that could replace the underlined word. ' + CHOOSE,
               [p('The %s puzzle kept us busy all afternoon.' % u('difficult')),
                p('Which word could take the place of the underlined word without changing the meaning?')],
               ['easy', 'hard', 'colourful', 'boring'], 2),

        group('Write two different words, one on each line.',
              [p('Write down any two words that mean %s.' % b('big'))],
              ['large', 'huge', 'enormous', 'giant', 'gigantic', 'massive', 'vast', 'immense',
               'great', 'colossal', 'mammoth', 'tremendous', 'bulky', 'hefty', 'jumbo',
               'whopping', 'mighty', 'titanic', 'gargantuan', 'monstrous', 'mountainous',
               'towering', 'humongous', 'hulking', 'sizeable', 'sizable', 'substantial'], 2),

        choice('Choose the word that is opposite in meaning. ' + CHOOSE,
               [p('The biscuit tin was %s.' % u('empty')),
                p('Which word is opposite in meaning to the underlined word?')],
               ['full', 'clean', 'open', 'bare'], 1),

        single('Write one word that is opposite in meaning to the underlined word.',
               [p('The water at this end of the pool is %s.' % u('shallow'))],
               'deep'),

        parts('Write the word from the box that means the same as each underlined word.',
              [word_box(['quickly', 'shouted', 'tired', 'smell', 'ill', 'sad'])],
              [('After the race, Priya felt very %s.' % u('weary'), 'tired'),
               ('The boy %s across the playground.' % u('yelled'), 'shouted'),
               ('The rubbish bin had a nasty %s.' % u('odour'), 'smell'),
               ('Dad stayed at home because he was %s.' % u('unwell'), 'ill'),
               ('The cat ran %s up the tree.' % u('swiftly'), 'quickly')]),

        choice('Choose the pair of synonyms. ' + CHOOSE,
               [p('Synonyms are words with the same or nearly the same meaning.'),
                p('Which pair of words are synonyms?')],
               ['hot &ndash; cold', 'quick &ndash; fast', 'light &ndash; dark', 'up &ndash; down'], 2),

        parts('Write the opposite of each word in bold. Some letters are given to help you.',
              [p('Each line shows one letter for every letter of the answer.')],
              [(pattern('The opposite of %s is' % b('heavy'), 'l _ _ _ t'), 'light'),
               (pattern('The opposite of %s is' % b('friend'), 'e _ _ _ y'), 'enemy'),
               (pattern('The opposite of %s is' % b('win'), 'l _ _ e'), 'lose'),
               (pattern('The opposite of %s is' % b('early'), 'l _ _ e'), 'late')]),

        choice('Find the odd one out. ' + CHOOSE,
               [p('Three of these words have similar meanings. Which word does not belong with the others?')],
               ['shout', 'yell', 'whisper', 'scream'], 3),

        single('Write one word that means the same as the underlined word.',
               [p('Tom was %s of the dark when he was little.' % u('scared'))],
               ['afraid', 'frightened', 'terrified', 'fearful', 'petrified', 'nervous', 'alarmed']),
    ]


def paper_112():
    return [
        choice('Choose the word that means the same. ' + CHOOSE,
               [p('Which word is closest in meaning to %s?' % b('enormous'))],
               ['tiny', 'gigantic', 'heavy', 'noisy'], 2),

        parts('Make each word mean the opposite by adding un, dis or im at the start. Write the new word.',
              [],
              [(b('honest'), 'dishonest'),
               (b('possible'), 'impossible'),
               (b('tidy'), 'untidy'),
               (b('obey'), 'disobey'),
               (b('patient'), 'impatient')]),

        choice('Choose the word that means the same. ' + CHOOSE,
               [p('Which word is closest in meaning to %s?' % b('brave'))],
               ['courageous', 'cruel', 'clever', 'careful'], 1),

        single('Write one word that means the same as the underlined word.',
               [p('We had a %s meal at Grandma\'s house.' % u('delicious'))],
               ['tasty', 'yummy', 'scrumptious', 'appetising', 'appetizing', 'mouth-watering',
                'mouthwatering', 'delectable', 'flavoursome', 'flavorsome', 'flavourful',
                'flavorful', 'luscious', 'succulent', 'scrummy']),

        choice('Choose the word that is opposite in meaning. ' + CHOOSE,
               [p('Which word is opposite in meaning to %s?' % b('generous'))],
               ['kind', 'wealthy', 'mean', 'grateful'], 3),

        parts('Write the word in brackets that is closest in meaning to the word in bold.',
              [],
              [('%s &nbsp; (slow, rapid, quiet)' % b('quick'), 'rapid'),
               ('%s &nbsp; (whisper, yell, mumble)' % b('shout'), 'yell'),
               ('%s &nbsp; (damp, dry, dusty)' % b('wet'), 'damp'),
               ('%s &nbsp; (start, end, try)' % b('finish'), 'end')]),

        choice('Choose the meaning of the underlined word. ' + CHOOSE,
               [p('The explorers were %s after the long climb.' % u('exhausted')),
                p('What does the underlined word mean?')],
               ['excited', 'very tired', 'lost', 'very hungry'], 2),

        single('Write one word that is opposite in meaning to the underlined word.',
               [p('The path along the cliff was very %s.' % u('narrow'))],
               ['wide', 'broad']),

        group('Write two different words, one on each line.',
              [p('Write down any two words that mean %s.' % b('cold'))],
              ['chilly', 'freezing', 'icy', 'frosty', 'cool', 'frozen', 'nippy', 'wintry', 'bitter',
               'arctic', 'glacial', 'polar', 'raw', 'biting', 'frigid', 'bleak', 'crisp', 'parky',
               'perishing', 'chill', 'numbing'], 2),

        choice('Choose the word that is opposite in meaning. ' + CHOOSE,
               [p('The village was %s at night.' % u('peaceful')),
                p('Which word is opposite in meaning to the underlined word?')],
               ['quiet', 'noisy', 'silent', 'still'], 2),

        parts('Write the opposite of each word in bold. Some letters are given to help you.',
              [p('Each line shows one letter for every letter of the answer.')],
              [(pattern('The opposite of %s is' % b('victory'), 'd _ _ _ _ t'), 'defeat'),
               (pattern('The opposite of %s is' % b('asleep'), 'a _ _ _ e'), 'awake'),
               (pattern('The opposite of %s is' % b('whisper'), 's _ _ _ t'), 'shout'),
               (pattern('The opposite of %s is' % b('accept'), 'r _ _ _ _ t'), 'reject'),
               (pattern('The opposite of %s is' % b('rough'), 's _ _ _ _ h'), 'smooth')]),

        choice('Read the question carefully. ' + CHOOSE,
               [p('Which word is %s a synonym of %s?' % (b('NOT'), b('angry')))],
               ['furious', 'cross', 'calm', 'irritated'], 3),

        single('Write one word that means the same as the underlined word.',
               [p('The thief %s the bag and ran off down the street.' % u('grabbed'))],
               ['snatched', 'seized', 'grasped', 'took', 'clutched', 'gripped', 'nabbed',
                'swiped', 'pinched']),

        choice('Find the odd one out. ' + CHOOSE,
               [p('Three of these words are ways of looking. Which word does not belong with the others?')],
               ['gaze', 'peer', 'glance', 'gasp'], 4),

        parts('Replace each underlined word with the word from the box that is opposite in meaning. Write the word.',
              [word_box(['cheap', 'dull', 'rarely', 'tight', 'polite'])],
              [('These jeans are too %s.' % u('loose'), 'tight'),
               ('The jacket in the window was %s.' % u('expensive'), 'cheap'),
               ('It was a %s morning.' % u('bright'), 'dull'),
               ('The boy was %s to the waiter.' % u('rude'), 'polite'),
               ('Lena %s visits her aunt in Scotland.' % u('often'), 'rarely')]),
    ]


def paper_113():
    return [
        choice('Choose the meaning of the word. ' + CHOOSE,
               [p('What does %s mean?' % b('furious'))],
               ['very angry', 'very fast', 'very funny', 'very loud'], 1),

        choice('Choose the meaning of the word. ' + CHOOSE,
               [p('A parcel is marked %s. What does this mean?' % b('FRAGILE'))],
               ['It is heavy.', 'It breaks easily.', 'It is expensive.', 'It is very old.'], 2),

        parts('Make each word mean the opposite by adding in, im or ir at the start. Write the new word.',
              [],
              [(b('regular'), 'irregular'),
               (b('correct'), 'incorrect'),
               (b('polite'), 'impolite'),
               (b('responsible'), 'irresponsible'),
               (b('visible'), 'invisible')]),

        choice('Choose the word that is opposite in meaning. ' + CHOOSE,
               [p('Which word is opposite in meaning to %s?' % b('humble'))],
               ['proud', 'shy', 'poor', 'gentle'], 1),

        single('Write one word that means the same as the underlined word.',
               [p('The firefighters showed great %s when they rescued the family.' % u('courage'))],
               ['bravery', 'valour', 'valor', 'boldness', 'heroism', 'daring', 'fearlessness',
                'nerve', 'pluck', 'gallantry', 'guts', 'grit', 'mettle']),

        group('Write three different words, one on each line.',
              [p('Write down any three words that mean %s.' % b('to look'))],
              ['see', 'watch', 'stare', 'glance', 'gaze', 'peer', 'peek', 'peep', 'glimpse',
               'view', 'observe', 'examine', 'inspect', 'study', 'notice', 'spot', 'eye',
               'gawp', 'gawk', 'goggle', 'scan', 'survey', 'regard', 'squint', 'ogle', 'behold',
               'witness', 'spy', 'check', 'scrutinise', 'scrutinize'], 3),

        choice('Choose the word that means the same as the underlined word. ' + CHOOSE,
               [p('The old house on the corner was %s for many years.' % u('vacant'))],
               ['empty', 'haunted', 'damaged', 'crowded'], 1),

        parts('Write the word that means the same as the word in bold. Some letters are given to help you.',
              [p('Each line shows one letter for every letter of the answer.')],
              [(pattern('A word that means %s:' % b('shy'), 't _ _ _ d'), 'timid'),
               (pattern('A word that means %s:' % b('silent'), 'q _ _ _ t'), 'quiet'),
               (pattern('A word that means %s:' % b('wealthy'), 'r _ _ h'), 'rich'),
               (pattern('A word that means %s:' % b('error'), 'm _ _ _ _ _ e'), 'mistake'),
               (pattern('A word that means %s:' % b('centre'), 'm _ _ _ _ e'), 'middle')]),

        choice('Choose the word that is opposite in meaning. ' + CHOOSE,
               [p('Which word is opposite in meaning to %s?' % b('ascend'))],
               ['climb', 'rise', 'descend', 'mount'], 3),

        single('Write one word that is opposite in meaning to the underlined word.',
               [p('The %s of pupils in our class walk to school.' % u('majority'))],
               'minority'),

        choice('Choose the pair of antonyms. ' + CHOOSE,
               [p('Antonyms are words with opposite meanings.'),
                p('Which pair of words are antonyms?')],
               ['brief &ndash; short', 'ancient &ndash; antique', 'expand &ndash; shrink',
                'shout &ndash; yell'], 3),

        parts('Write the word from the box that means the same as each underlined word. There is one word you will not need.',
              [word_box(['chose', 'hid', 'mend', 'ask', 'enough', 'gather'])],
              [('We need to %s the broken fence.' % u('repair'), 'mend'),
               ('Please %s help if you need it.' % u('request'), 'ask'),
               ('There was %s food for everyone at the party.' % u('sufficient'), 'enough'),
               ('The fox %s itself behind a bush.' % u('concealed'), 'hid'),
               ('Tara %s a red pencil from the box.' % u('selected'), 'chose')]),

        choice('Find the odd one out. ' + CHOOSE,
               [p('Three of these words have similar meanings. Which word does not belong with the others?')],
               ['huge', 'vast', 'minute', 'immense'], 3),

        parts('Write one word that is opposite in meaning to the underlined word in each sentence.',
              [],
              [('The shop assistant was very %s.' % u('helpful'), ['unhelpful', 'useless']),
               ('The film we watched was %s.' % u('boring'),
                ['exciting', 'interesting', 'thrilling', 'gripping', 'entertaining', 'enjoyable',
                 'fascinating', 'riveting', 'exhilarating', 'engaging', 'captivating', 'fun']),
               ('Please %s the door to open it.' % u('push'), 'pull'),
               ('Our team %s the match on Saturday.' % u('lost'), 'won'),
               ('The soup was %s.' % u('hot'),
                ['cold', 'cool', 'icy', 'freezing', 'chilly', 'chilled', 'frozen'])]),

        choice('Choose the meaning of the underlined word in this sentence. ' + CHOOSE,
               [p('Jo is a %s pupil who always gets good marks.' % u('bright')),
                p('Which word is closest in meaning to the underlined word in this sentence?')],
               ['shining', 'clever', 'colourful', 'cheerful'], 2),
    ]


def paper_114():
    return [
        choice('Choose the word that means the same. ' + CHOOSE,
               [p('Which word is closest in meaning to %s?' % b('reluctant'))],
               ['eager', 'unwilling', 'tired', 'grateful'], 2),

        choice('Choose the word that is opposite in meaning. ' + CHOOSE,
               [p('Which word is opposite in meaning to %s?' % b('temporary'))],
               ['permanent', 'brief', 'modern', 'fragile'], 1),

        parts('Write the opposite of each underlined word by adding un, dis, im, in or ir at the start.',
              [],
              [('It is %s to rain later.' % u('likely'), 'unlikely'),
               ('These berries are %s.' % u('edible'), 'inedible'),
               ('Mum %s of our plan.' % u('approved'), 'disapproved'),
               ('The diamond was %s.' % u('perfect'), 'imperfect'),
               ('Ali\'s answer was %s to the question.' % u('relevant'), 'irrelevant')]),

        choice('Choose the word that means the same. ' + CHOOSE,
               [p('Which word is closest in meaning to %s?' % b('abundant'))],
               ['scarce', 'plentiful', 'tiny', 'expensive'], 2),

        single('Write a word beginning with d that means the same as the underlined word.',
               [p('The magician made the coin %s.' % u('vanish'))],
               'disappear'),

        choice('Choose the word that is opposite in meaning. ' + CHOOSE,
               [p('The old bridge across the stream was %s.' % u('sturdy')),
                p('Which word is opposite in meaning to the underlined word?')],
               ['strong', 'flimsy', 'wooden', 'long'], 2),

        group('Write two different words, one on each line.',
              [p('Write down any two words that mean %s.' % b('clever'))],
              ['intelligent', 'bright', 'smart', 'brainy', 'brilliant', 'wise', 'gifted', 'able',
               'sharp', 'quick', 'knowledgeable', 'talented', 'shrewd', 'astute', 'canny',
               'learned', 'quick-witted', 'ingenious', 'capable', 'skilful', 'skillful',
               'cunning'], 2),

        choice('Choose the meaning of the underlined word. ' + CHOOSE,
               [p('The detective made a %s search of the room.' % u('thorough')),
                p('What does the underlined word mean?')],
               ['careful and complete', 'quick', 'noisy', 'secret'], 1),

        parts('Write the opposite of each word in bold. Some letters are given to help you.',
              [p('Each line shows one letter for every letter of the answer.')],
              [(pattern('The opposite of %s is' % b('generous'), 's _ _ _ _ _ h'), 'selfish'),
               (pattern('The opposite of %s is' % b('arrive'), 'd _ _ _ _ t'), 'depart'),
               (pattern('The opposite of %s is' % b('expand'), 'c _ _ _ _ _ _ t'), 'contract'),
               (pattern('The opposite of %s is' % b('minimum'), 'm _ _ _ _ _ m'), 'maximum'),
               (pattern('The opposite of %s is' % b('permit'), 'f _ _ _ _ d'), 'forbid')]),

        single('Write one word that is opposite in meaning to the underlined word. It must make sense in the sentence.',
               [p('The price of bread has %s this year.' % u('increased'))],
               ['decreased', 'fallen', 'dropped', 'reduced', 'declined', 'lowered', 'gone down',
                'come down', 'diminished', 'shrunk', 'lessened', 'plummeted', 'plunged',
                'slumped', 'tumbled', 'dipped', 'sunk']),

        choice('Choose the word that best completes the sentence. ' + CHOOSE,
               [p('Fresh water was %s on the small island, so everyone had to use it carefully.' % BLANK)],
               ['plentiful', 'scarce', 'cheap', 'everywhere'], 2),

        parts('Read the passage. Write the word from the box that means the same as each underlined word. There is one word you will not need.',
              [word_box(['calm', 'noticed', 'enormous', 'frightened', 'hurried', 'ancient']),
               '<div class="passage"><p>At first the sea was (a) %s. Then Zara (b) %s a (c) %s wave '
               'rolling towards the beach. The (d) %s swimmers (e) %s out of the water.</p></div>'
               % (u('tranquil'), u('spotted'), u('gigantic'), u('terrified'), u('rushed'))],
              [(b('tranquil'), 'calm'),
               (b('spotted'), 'noticed'),
               (b('gigantic'), 'enormous'),
               (b('terrified'), 'frightened'),
               (b('rushed'), 'hurried')]),

        choice('Find the odd one out. ' + CHOOSE,
               [p('Three of these words have similar meanings. Which word does not belong with the others?')],
               ['conclude', 'finish', 'commence', 'complete'], 3),

        parts('Complete each sentence with a word that is opposite in meaning to the word in bold.',
              [],
              [('The first question was %s, but the last one was %s.' % (b('easy'), BLANK),
                ['difficult', 'hard', 'tricky', 'tough', 'challenging', 'complicated', 'complex']),
               ('Some snakes are %s, but others are %s.' % (b('harmless'), BLANK),
                ['harmful', 'dangerous', 'poisonous', 'venomous', 'deadly', 'lethal', 'hazardous']),
               ('The beach was %s in summer but %s in winter.' % (b('crowded'), BLANK),
                ['empty', 'deserted', 'quiet', 'uncrowded', 'abandoned', 'desolate']),
               ('My left shoe is %s, but my right shoe is %s.' % (b('loose'), BLANK), 'tight'),
               ('A lion is a %s animal, but a dog is usually a %s animal.' % (b('wild'), BLANK),
                ['tame', 'domestic', 'domesticated'])]),

        choice('Put the words in order. ' + CHOOSE,
               [p('Which list puts the words in order from the %s to the %s?' % (b('coldest'), b('hottest')))],
               ['freezing, cool, warm, scorching', 'cool, freezing, scorching, warm',
                'warm, cool, freezing, scorching', 'freezing, warm, cool, scorching'], 1),
    ]


def paper_115():
    return [
        choice('Choose the word that means the same. ' + CHOOSE,
               [p('Which word is closest in meaning to %s?' % b('diligent'))],
               ['hard-working', 'lazy', 'clever', 'polite'], 1),

        choice('Choose the word that is opposite in meaning. ' + CHOOSE,
               [p('Which word is opposite in meaning to %s?' % b('hostile'))],
               ['unfriendly', 'friendly', 'angry', 'aggressive'], 2),

        parts('Make each word mean the opposite by adding a prefix (un, dis, im, in or ir). Write the new word.',
              [],
              [(b('honour'), ['dishonour', 'dishonor']),
               (b('mortal'), 'immortal'),
               (b('resistible'), 'irresistible'),
               (b('accurate'), 'inaccurate'),
               (b('aware'), 'unaware')]),

        choice('Choose the word that means the same. ' + CHOOSE,
               [p('Which word is closest in meaning to %s?' % b('obstinate'))],
               ['stubborn', 'obvious', 'nervous', 'generous'], 1),

        single('Write one word that means the same as the underlined word.',
               [p('The crowd was %s by the acrobat\'s daring leap.' % u('astonished'))],
               ['amazed', 'astounded', 'surprised', 'stunned', 'shocked', 'staggered',
                'flabbergasted', 'dumbfounded', 'awestruck', 'awed', 'startled', 'stupefied']),

        choice('Choose the meaning of the underlined word in this sentence. ' + CHOOSE,
               [p('The campers will %s their tent near the river.' % u('pitch')),
                p('Which words are closest in meaning to the underlined word in this sentence?')],
               ['throw', 'put up', 'paint', 'sing'], 2),

        group('Write three different words, one on each line.',
              [p('"I have found the key," %s Amir.' % u('said')),
               p('Write down any three words that could be used instead of the underlined word in this sentence.')],
              ['whispered', 'shouted', 'exclaimed', 'replied', 'answered', 'announced',
               'declared', 'cried', 'called', 'yelled', 'screamed', 'shrieked', 'muttered',
               'mumbled', 'murmured', 'stated', 'remarked', 'mentioned', 'explained', 'added',
               'responded', 'bellowed', 'roared', 'boasted', 'gasped', 'squealed', 'stammered',
               'stuttered', 'sobbed', 'uttered', 'commented', 'cheered', 'laughed',
               'giggled', 'sighed', 'grumbled', 'moaned', 'groaned', 'admitted', 'confessed',
               'revealed', 'blurted', 'hissed', 'snapped', 'growled', 'wailed', 'whimpered',
               'squeaked', 'screeched', 'howled', 'boomed', 'insisted', 'reported'], 3),

        choice('Choose the word that is opposite in meaning. ' + CHOOSE,
               [p('Which word is opposite in meaning to %s?' % b('transparent'))],
               ['clear', 'see-through', 'opaque', 'bright'], 3),

        parts('Write the word that means the same as the word in bold. Some letters are given to help you.',
              [p('Each line shows one letter for every letter of the answer.')],
              [(pattern('A word that means %s:' % b('imitate'), 'c _ _ y'), 'copy'),
               (pattern('A word that means %s:' % b('conceal'), 'h _ _ e'), 'hide'),
               (pattern('A word that means %s:' % b('purchase'), 'b _ y'), 'buy'),
               (pattern('A word that means %s:' % b('assist'), 'h _ _ p'), 'help'),
               (pattern('A word that means %s:' % b('frequently'), 'o _ _ _ n'), 'often')]),

        single('Write one word that is opposite in meaning to the underlined word.',
               [p('The climbers found the path up the mountain %s.' % u('dangerous'))],
               ['safe', 'harmless', 'secure', 'risk-free', 'riskless']),

        choice('Read the question carefully. ' + CHOOSE,
               [p('Which word is %s an antonym of %s?' % (b('NOT'), b('brave')))],
               ['cowardly', 'timid', 'fearful', 'daring'], 4),

        parts('Write a word that is opposite in meaning to each word in bold. The first letter is given, and there is one line for every letter.',
              [],
              [('%s &nbsp; %s' % (b('include'), b('e _ _ _ _ _ _')), 'exclude'),
               ('%s &nbsp; %s' % (b('optimist'), b('p _ _ _ _ _ _ _ _')), 'pessimist'),
               ('%s &nbsp; %s' % (b('export'), b('i _ _ _ _ _')), 'import'),
               ('%s &nbsp; %s' % (b('inferior'), b('s _ _ _ _ _ _ _')), 'superior'),
               ('%s &nbsp; %s' % (b('exterior'), b('i _ _ _ _ _ _ _')), 'interior')]),

        choice('Read the question carefully. ' + CHOOSE,
               [p('Which pair of words are %s opposites?' % b('NOT'))],
               ['victory &ndash; defeat', 'generous &ndash; mean', 'brief &ndash; lengthy',
                'famous &ndash; well-known'], 4),

        parts('Write one word that has both meanings.',
              [p('Example: %s and %s &rarr; %s' % (b('a season of the year'), b('to jump'), b('spring')))],
              [('%s and %s' % (b('a type or sort'), b('gentle and caring')), 'kind'),
               ('%s and %s' % (b('a gift'), b('here, not absent')), 'present'),
               ('%s and %s' % (b('just and honest'), b('light in colour, like some hair')), 'fair'),
               ('%s and %s' % (b('money paid as a punishment'), b('very thin')), 'fine'),
               ('%s and %s' % (b('to look at closely'), b('a small clock worn on the wrist')), 'watch')]),

        choice('Choose the sentence that uses the word correctly. ' + CHOOSE,
               [p('In which sentence is the word %s used correctly?' % b('cautious'))],
               ['The cautious driver slowed down as she came to the icy bend.',
                'He was so cautious that he ran across the busy road without looking.',
                'The cake tasted cautious and sweet.',
                'We were cautious of the loud music and danced all night.'], 1),
    ]


# ---------------------------------------------------------------------------
# Topic 4: Spelling
# ---------------------------------------------------------------------------

def paper_116():
    return [
        choice('Choose the correct spelling. ' + CHOOSE,
               [p('Which word is spelt correctly?')],
               ['freind', 'friend', 'frend', 'friand'], 2),

        parts('Each underlined word is spelt wrongly. Write it correctly.',
              [],
              [('We %s at the shop on the way home.' % u('stoped'), 'stopped'),
               ('The %s listened to my chest.' % u('docter'), 'doctor'),
               ('I %s you.' % u('beleive'), 'believe'),
               ('She %s walks to school.' % u('allways'), 'always'),
               ('It was a %s day.' % u('beautifull'), 'beautiful')]),

        choice('Choose the correct spelling. ' + CHOOSE,
               [p('We go swimming every %s.' % BLANK),
                p('Which word fills the gap correctly?')],
               ['Wensday', 'Wednesday', 'Wendesday', 'Wednsday'], 2),

        parts('Write there, their or they\'re in each gap.',
              [],
              [('The children hung %s coats on the pegs.' % BLANK, 'their'),
               ('%s going to the park after lunch.' % BLANK, "they're"),
               ('Put the box down over %s, please.' % BLANK, 'there')]),

        parts('Write to, too or two in each gap.',
              [],
              [('I have %s brothers and one sister.' % BLANK, 'two'),
               ('We walked %s the shops.' % BLANK, 'to'),
               ('This tea is %s hot to drink.' % BLANK, 'too')]),

        parts('Write the plural of each word (more than one).',
              [p('Example: %s &rarr; %s' % (b('dog'), b('dogs')))],
              [(b('box'), 'boxes'),
               (b('church'), 'churches'),
               (b('brush'), 'brushes'),
               (b('glass'), 'glasses'),
               (b('tomato'), 'tomatoes')]),

        choice('Choose the correct spelling. ' + CHOOSE,
               [p('Which word is spelt correctly?')],
               ['becuase', 'becos', 'because', 'becouse'], 3),

        parts('Use the clue to write the word. Some letters are given to help you.',
              [p('Each line shows one letter for every letter of the answer.')],
              [(pattern('The day after Monday:', 'T _ _ s d _ y'), 'Tuesday'),
               (pattern('The month after January:', 'F e b _ _ a r y'), 'February'),
               (pattern('A place where you can borrow books:', 'l i b _ _ _ y'), 'library'),
               (pattern('The number after eleven:', 't w _ _ _ e'), 'twelve'),
               (pattern('The place where children go to learn:', 's c h _ _ l'), 'school')]),

        parts('Add ing to each word. Write the new word.',
              [p('Example: %s &rarr; %s' % (b('jump'), b('jumping')))],
              [(b('run'), 'running'),
               (b('make'), 'making'),
               (b('sit'), 'sitting'),
               (b('hope'), 'hoping'),
               (b('play'), 'playing')]),

        choice('Find the spelling mistake. ' + CHOOSE,
               [p('Which word is spelt wrongly?')],
               ['happy', 'sugar', 'peple', 'answer'], 3),

        single('The underlined word sounds right but is the wrong word. Write the word that should be used.',
               [p('The wind %s the leaves off the trees.' % u('blue'))],
               'blew'),

        choice('Choose the correct sentence. ' + CHOOSE,
               [p('Which sentence is spelt correctly?')],
               ['I can here the birds singing.', 'I can hear the birds singing.',
                'I can heer the birds singing.', 'I can hare the birds singing.'], 2),

        parts('Each word is missing a silent letter. Use the clue and write the word correctly.',
              [],
              [('%s &nbsp; (a tool for cutting food)' % b('nife'), 'knife'),
               ('%s &nbsp; (a baby sheep)' % b('lam'), 'lamb'),
               ('%s &nbsp; (to put words on paper)' % b('rite'), 'write'),
               ('%s &nbsp; (land with water all around it)' % b('iland'), 'island'),
               ('%s &nbsp; (a large old building with towers and thick stone walls)' % b('casle'), 'castle')]),

        choice('Choose the correct word. ' + CHOOSE,
               [p('The book told an exciting %s about a dragon.' % BLANK),
                p('Which word fills the gap correctly?')],
               ['storey', 'story', 'storie', 'stori'], 2),

        parts('Add ed to each word. Write the new word.',
              [p('Example: %s &rarr; %s' % (b('walk'), b('walked')))],
              [(b('hop'), 'hopped'),
               (b('carry'), 'carried'),
               (b('jump'), 'jumped'),
               (b('smile'), 'smiled'),
               (b('cry'), 'cried')]),
    ]


def paper_117():
    return [
        choice('Choose the correct spelling. ' + CHOOSE,
               [p('Which word is spelt correctly?')],
               ['diffrent', 'different', 'diferent', 'differant'], 2),

        parts('Write the plural of each word.',
              [p('Example: %s &rarr; %s' % (b('pony'), b('ponies')))],
              [(b('baby'), 'babies'),
               (b('day'), 'days'),
               (b('city'), 'cities'),
               (b('monkey'), 'monkeys'),
               (b('lady'), 'ladies')]),

        parts('Write the correct word from the brackets to fill each gap.',
              [],
              [('I %s the answer. &nbsp; (no / know)' % BLANK, 'know'),
               ('We each ate a %s of pizza. &nbsp; (piece / peace)' % BLANK, 'piece'),
               ('The %s was shining brightly. &nbsp; (son / sun)' % BLANK, 'sun'),
               ('Which %s is the station? &nbsp; (weigh / way)' % BLANK, 'way'),
               ('The %s o\'clock train was late. &nbsp; (ate / eight)' % BLANK, 'eight')]),

        choice('Choose the correct spelling. ' + CHOOSE,
               [p('Which word is spelt correctly?')],
               ['seperate', 'separate', 'separete', 'seprate'], 2),

        parts('Each underlined word is spelt wrongly. Write it correctly.',
              [],
              [('We %s a letter from Grandma.' % u('recieved'), 'received'),
               ('The %s was cold and windy.' % u('wether'), 'weather'),
               ('I %s like a drink of water, please.' % u('woud'), 'would'),
               ('The bus %s stopped.' % u('suddenley'), 'suddenly'),
               ('The %s melted in the sun.' % u('chocolat'), 'chocolate')]),

        choice('Find the spelling mistake. ' + CHOOSE,
               [p('The %s %s %s across the %s.' % (u('hungry'), u('caterpiller'), u('crawled'), u('leaf'))),
                p('Which underlined word is spelt wrongly?')],
               ['hungry', 'caterpiller', 'crawled', 'leaf'], 2),

        parts('Join each word and suffix. Write the new word.',
              [p('Example: %s + %s &rarr; %s' % (b('help'), b('ful'), b('helpful')))],
              [('%s + %s' % (b('care'), b('ful')), 'careful'),
               ('%s + %s' % (b('hope'), b('less')), 'hopeless'),
               ('%s + %s' % (b('plenty'), b('ful')), 'plentiful'),
               ('%s + %s' % (b('play'), b('ful')), 'playful'),
               ('%s + %s' % (b('pity'), b('less')), 'pitiless')]),

        parts('Use the clue to write the word. Some letters are given to help you.',
              [p('Each line shows one letter for every letter of the answer.')],
              [(pattern('The season after summer:', 'a _ t _ m n'), 'autumn'),
               (pattern('You see with these:', 'e _ e s'), 'eyes'),
               (pattern('The day before today:', 'y e s t _ r d _ y'), 'yesterday'),
               (pattern('The number after nineteen:', 't w _ n t _'), 'twenty'),
               (pattern('Two times:', 't w _ c e'), 'twice')]),

        single('Write its or it\'s to fill the gap.',
               [p('The happy dog wagged %s tail.' % BLANK)],
               'its'),

        choice('Choose the correct spelling. ' + CHOOSE,
               [p('Which word is spelt correctly?')],
               ['tommorow', 'tomorow', 'tomorrow', 'tommorrow'], 3),

        parts('Add ly to each word. Write the new word.',
              [p('Example: %s &rarr; %s' % (b('slow'), b('slowly')))],
              [(b('quick'), 'quickly'),
               (b('happy'), 'happily'),
               (b('gentle'), 'gently'),
               (b('careful'), 'carefully'),
               (b('true'), 'truly')]),

        parts('Each underlined word is spelt wrongly. Write it correctly. Use British spelling.',
              [],
              [('The %s of the sky changed at sunset.' % u('coler'), 'colour'),
               ('Art is my %s subject.' % u('favrit'), 'favourite'),
               ('Our %s has a friendly dog.' % u('nabour'), 'neighbour'),
               ('Fishing boats were tied up in the %s.' % u('harber'), 'harbour')]),

        choice('Choose the correct sentence. ' + CHOOSE,
               [p('Which sentence is spelt correctly?')],
               ['The knight rode his hoarse into battle.', 'The night rode his horse into battle.',
                'The knight rode his horse into battle.', 'The knight road his horse into battle.'], 3),

        parts('Each word is missing a double letter, such as ll or tt. Use the clue and write the whole word.',
              [],
              [(pattern('Feeling glad:', 'h a _ _ y'), 'happy'),
               (pattern('A small animal with long ears:', 'r a _ _ i t'), 'rabbit'),
               (pattern('Something you write and post:', 'l e _ _ e r'), 'letter'),
               (pattern('A meal eaten in the evening:', 'd i _ _ e r'), 'dinner'),
               (pattern('The season after spring:', 's u _ _ e r'), 'summer')]),

        single('One word in this sentence is spelt wrongly. Write it correctly.',
               [p('We went swiming in the sea on Saturday.')],
               'swimming'),
    ]


def paper_118():
    return [
        choice('Choose the correct spelling. ' + CHOOSE,
               [p('Which word is spelt correctly?')],
               ['wierd', 'weird', 'weerd', 'wyerd'], 2),

        parts('Each word needs ie or ei in the gap. Write the whole word correctly.',
              [],
              [('%s &nbsp; (a piece of paper that shows you have paid)' % b('rec _ _ pt'), 'receipt'),
               ('%s &nbsp; (land where crops grow)' % b('f _ _ ld'), 'field'),
               ('%s &nbsp; (the daughter of your brother or sister)' % b('n _ _ ce'), 'niece'),
               ('%s &nbsp; (the top surface of a room)' % b('c _ _ ling'), 'ceiling'),
               ('%s &nbsp; (the leader of a group)' % b('ch _ _ f'), 'chief')]),

        parts('Write rode, road or rowed in each gap.',
              [],
              [('We walked along the %s to the farm.' % BLANK, 'road'),
               ('Dad %s the boat across the lake.' % BLANK, 'rowed'),
               ('Anna %s her bike to school.' % BLANK, 'rode')]),

        parts('Write the plural of each word.',
              [],
              [(b('leaf'), 'leaves'),
               (b('knife'), 'knives'),
               (b('child'), 'children'),
               (b('mouse'), 'mice'),
               (b('tooth'), 'teeth')]),

        choice('Choose the correct spelling. ' + CHOOSE,
               [p('Which word is spelt correctly?')],
               ['buisness', 'busness', 'business', 'bussiness'], 3),

        parts('One word in each sentence is spelt wrongly. Write it correctly.',
              [],
              [('The teacher explaned the rules clearly.', 'explained'),
               ('I could not find my pencil anywere.', 'anywhere'),
               ('We had a great time at the seaside on our holliday.', 'holiday'),
               ('Mum bought some bred from the baker.', 'bread'),
               ('The film was realy exciting.', 'really')]),

        parts('Join each word and suffix. Write the new word.',
              [],
              [('%s + %s' % (b('happy'), b('ness')), 'happiness'),
               ('%s + %s' % (b('enjoy'), b('ment')), 'enjoyment'),
               ('%s + %s' % (b('kind'), b('ness')), 'kindness'),
               ('%s + %s' % (b('argue'), b('ment')), 'argument'),
               ('%s + %s' % (b('lazy'), b('ness')), 'laziness')]),

        choice('Find the spelling mistake. ' + CHOOSE,
               [p('%s it was %s, the %s played %s.' % (u('Although'), u('raining'), u('children'), u('outsied'))),
                p('Which underlined word is spelt wrongly?')],
               ['Although', 'raining', 'children', 'outsied'], 4),

        parts('Use the clue to write the word. Some letters are given to help you.',
              [p('Each line shows one letter for every letter of the answer.')],
              [(pattern('A person who writes books:', 'a _ t h _ r'), 'author'),
               (pattern('The place where you catch a train:', 's t a t _ _ n'), 'station'),
               (pattern('Something you solve, like a crossword:', 'p u z _ _ e'), 'puzzle'),
               (pattern('The line where the sky seems to meet the land or sea:', 'h _ r _ z _ n'), 'horizon'),
               (pattern('A group of people who sing together:', 'c _ _ i r'), 'choir')]),

        parts('Write where, were or we\'re in each gap.',
              [],
              [('%s did you put my keys?' % BLANK, 'where'),
               ('We %s late for school yesterday.' % BLANK, 'were'),
               ('Hurry up, or %s going to miss the bus!' % BLANK, "we're")]),

        choice('Choose the correct word. ' + CHOOSE,
               [p('I will %s you at the station at six o\'clock.' % BLANK),
                p('Which word fills the gap correctly?')],
               ['meat', 'meet', 'mete', 'meit'], 2),

        parts('Each underlined word is spelt the American way. Write it using British spelling.',
              [p('Use British spelling.')],
              [('The %s was full for the school play.' % u('theater'), 'theatre'),
               ('We %s to Wales by train.' % u('traveled'), 'travelled'),
               ('The class was praised for its good %s.' % u('behavior'), 'behaviour'),
               ('Heavy %s clouds filled the sky.' % u('gray'), 'grey'),
               ('We met in the %s of the town.' % u('center'), 'centre')]),

        parts('Add the ending in bold to each word. Write the new word.',
              [p('Example: %s + %s &rarr; %s' % (b('tall'), b('est'), b('tallest')))],
              [('%s + %s' % (b('big'), b('est')), 'biggest'),
               ('%s + %s' % (b('funny'), b('er')), 'funnier'),
               ('%s + %s' % (b('late'), b('est')), 'latest'),
               ('%s + %s' % (b('thin'), b('er')), 'thinner'),
               ('%s + %s' % (b('easy'), b('est')), 'easiest')]),

        choice('Find the spelling mistake. ' + CHOOSE,
               [p('Three of these words are spelt correctly. Which word is spelt wrongly?')],
               ['February', 'library', 'probaly', 'interesting'], 3),

        parts('The two words in brackets sound the same. Write the one that matches the meaning.',
              [],
              [('a flower &nbsp; (rose / rows)', 'rose'),
               ('not strong &nbsp; (weak / week)', 'weak'),
               ('a very large sea animal &nbsp; (wail / whale)', 'whale'),
               ('a female deer &nbsp; (doe / dough)', 'doe'),
               ('to look at with your eyes &nbsp; (sea / see)', 'see')]),
    ]


def paper_119():
    return [
        choice('Choose the correct spelling. ' + CHOOSE,
               [p('Which word is spelt correctly?')],
               ['neccessary', 'necesary', 'necessary', 'neccesary'], 3),

        parts('One word in each sentence is spelt wrongly. Write it correctly.',
              [],
              [('The explorers reached the top after a dificult climb.', 'difficult'),
               ('It is importent to wash your hands before lunch.', 'important'),
               ('The old castle was surounded by a deep moat.', 'surrounded'),
               ('Our class went on a trip to the musuem.', 'museum'),
               ('The shop was closed, which was very dissapointing.', 'disappointing')]),

        choice('Choose the correct spelling. ' + CHOOSE,
               [p('Which word is spelt correctly?')],
               ['definately', 'definitely', 'defenitely', 'definitly'], 2),

        parts('Write the correct word from the brackets to fill each gap.',
              [],
              [('We are not %s to run in the corridor. &nbsp; (aloud / allowed)' % BLANK, 'allowed'),
               ('The ball flew %s the open window. &nbsp; (threw / through)' % BLANK, 'through'),
               ('The car %s the school gates at great speed. &nbsp; (past / passed)' % BLANK, 'passed'),
               ('The driver pressed the %s to stop. &nbsp; (break / brake)' % BLANK, 'brake'),
               ('%s coat is this on the floor? &nbsp; (Who\'s / Whose)' % BLANK, 'whose')]),

        parts('Join each word and ending. Write the new word.',
              [],
              [('%s + %s' % (b('begin'), b('ing')), 'beginning'),
               ('%s + %s' % (b('prefer'), b('ed')), 'preferred'),
               ('%s + %s' % (b('hope'), b('ful')), 'hopeful'),
               ('%s + %s' % (b('excite'), b('ment')), 'excitement'),
               ('%s + %s' % (b('admit'), b('ed')), 'admitted')]),

        choice('Choose the correct word. ' + CHOOSE,
               [p('The team needed some %s from their coach.' % BLANK),
                p('Which word fills the gap correctly?')],
               ['advise', 'advice', 'advize', 'advyce'], 2),

        parts('Use the clue to write the word. Some letters are given to help you. Use British spelling.',
              [p('Each line shows one letter for every letter of the answer.')],
              [(pattern('A person who lives next door:', 'n _ _ g h b _ _ r'), 'neighbour'),
               (pattern('A very large grey animal with a trunk:', 'e l _ p h _ n t'), 'elephant'),
               (pattern('A day that is remembered every year, such as a wedding day:',
                        'a n n _ v _ r s _ r y'), 'anniversary'),
               (pattern('At once; straight away:', 'i m m _ d _ a t e l y'), 'immediately'),
               (pattern('A place where sick people are looked after:', 'h _ s p _ t _ l'), 'hospital')]),

        choice('Find the spelling mistake. ' + CHOOSE,
               [p('The %s made an %s about the %s %s.'
                  % (u('government'), u('announcement'), u('enviroment'), u('yesterday'))),
                p('Which underlined word is spelt wrongly?')],
               ['government', 'announcement', 'enviroment', 'yesterday'], 3),

        parts('Write the plural of each word.',
              [],
              [(b('potato'), 'potatoes'),
               (b('half'), 'halves'),
               (b('piano'), 'pianos'),
               (b('woman'), 'women'),
               (b('country'), 'countries')]),

        parts('Write your or you\'re in each gap.',
              [],
              [('Is this %s pencil case?' % BLANK, 'your'),
               ('I think %s right about the answer.' % BLANK, "you're"),
               ('Wash %s hands before dinner.' % BLANK, 'your')]),

        choice('Choose the correct sentence. ' + CHOOSE,
               [p('Which sentence is spelt correctly?')],
               ['The weather was lovely, so we went to the beach.',
                'The whether was lovely, so we went to the beach.',
                'The weather was lovley, so we went to the beech.',
                'The wether was lovely, so we went to the beach.'], 1),

        parts('Finish each word with tion, sion or cian. Write the whole word.',
              [],
              [('%s &nbsp; (a person who plays music)' % b('musi...'), 'musician'),
               ('%s &nbsp; (a screen for watching programmes)' % b('televi...'), 'television'),
               ('%s &nbsp; (facts about something)' % b('informa...'), 'information'),
               ('%s &nbsp; (a person who fixes wiring)' % b('electri...'), 'electrician'),
               ('%s &nbsp; (a sudden loud bang, as when a bomb goes off)' % b('explo...'), 'explosion')]),

        parts('Read the passage. Each underlined word is spelt wrongly. Write it correctly.',
              ['<div class="passage"><p>Last (a) %s my family visited a castle. The guide told us that it was '
               'built (b) %s nine hundred years ago. We climbed a narrow (c) %s to the top of the tower, '
               'where the view was (d) %s.</p></div>'
               % (u('Saterday'), u('nearley'), u('stairkase'), u('increddible'))],
              [(b('Saterday'), 'Saturday'),
               (b('nearley'), 'nearly'),
               (b('stairkase'), 'staircase'),
               (b('increddible'), 'incredible')]),

        choice('Choose the correct spelling. ' + CHOOSE,
               [p('Which word is spelt correctly?')],
               ['accidentaly', 'accidentally', 'acidentally', 'accidentley'], 2),

        parts('Each word is missing a silent letter. Use the clue and write the word correctly.',
              [],
              [('%s &nbsp; (the yellow part of an egg)' % b('yok'), 'yolk'),
               ('%s &nbsp; (the joint between your hand and your arm)' % b('rist'), 'wrist'),
               ('%s &nbsp; (a feeling of not being sure)' % b('dout'), 'doubt'),
               ('%s &nbsp; (a tall stone pillar)' % b('colum'), 'column'),
               ('%s &nbsp; (a person who fixes water pipes)' % b('plumer'), 'plumber')]),
    ]


def paper_120():
    return [
        choice('Choose the correct spelling. ' + CHOOSE,
               [p('Which word is spelt correctly?')],
               ['embarass', 'embarrass', 'embarras', 'emberrass'], 2),

        parts('One word in each sentence is spelt wrongly. Write it correctly.',
              [],
              [('The scientist carried out an experement to test her idea.', 'experiment'),
               ('Our teacher was pleased with our excelent work.', 'excellent'),
               ('Our school is holding a sports competion next week.', 'competition'),
               ('The resturant was so busy that we had to wait for a table.', 'restaurant'),
               ('He was determined to acheive his goal.', 'achieve')]),

        choice('Choose the correct spelling. ' + CHOOSE,
               [p('Which word is spelt correctly?')],
               ['ocassion', 'occassion', 'occasion', 'ocasion'], 3),

        parts('Write the correct word from the brackets to fill each gap.',
              [],
              [('We bought pens, paper and envelopes from the %s shop. &nbsp; (stationary / stationery)' % BLANK,
                'stationery'),
               ('The bus was %s at the red traffic light. &nbsp; (stationary / stationery)' % BLANK,
                'stationary'),
               ('Snow covered the %s of the mountain. &nbsp; (peak / peek)' % BLANK, 'peak'),
               ('I %s the answer straight away. &nbsp; (new / knew)' % BLANK, 'knew'),
               ('The rider held the horse\'s %s tightly. &nbsp; (bridal / bridle)' % BLANK, 'bridle')]),

        parts('Join each word and ending. Write the new word.',
              [],
              [('%s + %s' % (b('forget'), b('able')), 'forgettable'),
               ('%s + %s' % (b('notice'), b('able')), 'noticeable'),
               ('%s + %s' % (b('argue'), b('ing')), 'arguing'),
               ('%s + %s' % (b('rely'), b('able')), 'reliable'),
               ('%s + %s' % (b('occur'), b('ence')), 'occurrence')]),

        choice('Choose the correct list. ' + CHOOSE,
               [p('In which list are %s the words spelt correctly?' % b('all'))],
               ['rhythm, calendar, environment', 'rythm, calender, environment',
                'rhythm, calender, enviroment', 'rhythm, calendar, enviroment'], 1),

        parts('Use the clue to write the word. Some letters are given to help you.',
              [p('Each line shows one letter for every letter of the answer.')],
              [(pattern('A party held for a special occasion:', 'c e l _ b r _ t _ o n'), 'celebration'),
               (pattern('A person who repairs cars and engines:', 'm e c h _ n _ c'), 'mechanic'),
               (pattern('A way of running a country in which the people vote for their leaders:',
                        'd _ m _ c r _ c y'), 'democracy'),
               (pattern('Very big; huge:', 'e n o r m _ _ s'), 'enormous'),
               (pattern('A strong wish to know about something:', 'c u r _ _ s _ t y'), 'curiosity')]),

        choice('Find the spelling mistake. ' + CHOOSE,
               [p('Three of these words are spelt correctly. Which word is spelt wrongly?')],
               ['conscious', 'exaggerate', 'sincerely', 'begining'], 4),

        parts('Write the plural of each word.',
              [],
              [(b('cactus'), ['cacti', 'cactuses']),
               (b('roof'), 'roofs'),
               (b('wife'), 'wives'),
               (b('echo'), 'echoes'),
               (b('radio'), 'radios')]),

        choice('Choose the sentence in British spelling. ' + CHOOSE,
               [p('Which sentence uses British spelling for every word?')],
               ['My neighbour travelled to the theatre.', 'My neighbor traveled to the theater.',
                'My neighbour traveled to the theatre.', 'My neighbour travelled to the theater.'], 1),

        parts('Add the prefix to each word. Write the new word.',
              [p('Example: %s + %s &rarr; %s' % (b('re'), b('build'), b('rebuild')))],
              [('%s + %s' % (b('dis'), b('appear')), 'disappear'),
               ('%s + %s' % (b('mis'), b('spell')), 'misspell'),
               ('%s + %s' % (b('un'), b('necessary')), 'unnecessary'),
               ('%s + %s' % (b('im'), b('mature')), 'immature'),
               ('%s + %s' % (b('dis'), b('satisfied')), 'dissatisfied')]),

        parts('The passage has five words that are spelt wrongly. Find them and write each one correctly, in the order they come in the passage.',
              ['<div class="passage"><p>Last week our class went on a trip to the sience museum. We saw an '
               'enormous dinosaur skeleton and a rocket that had been into space. My favourite part was '
               'the exibition about the human body. Our guide told us how the heart pumps blood arround '
               'the body. At the end of the day we were all exausted but very happy. I would recomend '
               'the museum to anyone.</p></div>'],
              [('the first wrongly spelt word', 'science'),
               ('the second wrongly spelt word', 'exhibition'),
               ('the third wrongly spelt word', 'around'),
               ('the fourth wrongly spelt word', 'exhausted'),
               ('the fifth wrongly spelt word', 'recommend')]),

        choice('Choose the correct spelling. ' + CHOOSE,
               [p('Which word is spelt correctly?')],
               ['nowledge', 'knowlege', 'knowledge', 'knowlidge'], 3),

        parts('Fill the three gaps with there, their or they\'re.',
              [p('%s going to leave %s bags over %s.' % (BLANK, BLANK, BLANK))],
              [('the first gap', "they're"),
               ('the second gap', 'their'),
               ('the third gap', 'there')]),

        parts('Finish each word with able or ible. Write the whole word.',
              [],
              [('%s &nbsp; (pleasant to sit or lie in)' % b('comfort...'), 'comfortable'),
               ('%s &nbsp; (able to happen)' % b('poss...'), 'possible'),
               ('%s &nbsp; (able to be seen)' % b('vis...'), 'visible'),
               ('%s &nbsp; (fun; giving pleasure)' % b('enjoy...'), 'enjoyable'),
               ('%s &nbsp; (very bad)' % b('terr...'), 'terrible')]),
    ]


PAPERS = [
    (111, 'Synonyms and Antonyms, paper 1', paper_111),
    (112, 'Synonyms and Antonyms, paper 2', paper_112),
    (113, 'Synonyms and Antonyms, paper 3', paper_113),
    (114, 'Synonyms and Antonyms, paper 4', paper_114),
    (115, 'Synonyms and Antonyms, paper 5', paper_115),
    (116, 'Spelling, paper 1', paper_116),
    (117, 'Spelling, paper 2', paper_117),
    (118, 'Spelling, paper 3', paper_118),
    (119, 'Spelling, paper 4', paper_119),
    (120, 'Spelling, paper 5', paper_120),
]


# ---------------------------------------------------------------------------
# Checks
# ---------------------------------------------------------------------------

ALLOWED_TAGS = {'p', 'b', 'i', 'u', 'em', 'strong', 'br', 'ol', 'li', 'div', 'span',
                'table', 'tr', 'th', 'td'}
ALLOWED_CLASSES = {'part', 'options', 'data', 'passage', 'figure', 'blank', 'frac'}
ENTITIES = {'nbsp', 'amp', 'lt', 'gt', 'rarr', 'ndash', 'mdash'}


def check_key(kind, key):
    assert '\t' not in key and '\n' not in key and '\r' not in key, key
    assert '>' not in key and '#' not in key, key
    if kind == 'Q':
        assert re.fullmatch(r'[1-4]', key), key
    elif kind == 'T':
        assert key.strip() and key == key.strip() and ';' not in key, key
    elif kind in ('M', 'G'):
        assert key.startswith(';') and len(key) > 1, key
        words = key[1:].split(';')
        assert all(w.strip() and w == w.strip() for w in words), key
        low = [w.lower() for w in words]
        assert len(set(low)) == len(low), key
    else:
        raise AssertionError('unexpected type %s' % kind)


def check_html(q):
    body = '\n'.join(q.lines)
    for line in q.lines:
        assert line and not line.startswith(('#', '==', 'answer:', 'instruction:')), line
    for m in re.finditer(r'<(/?)([a-z]+)([^<>]*)>', body):
        assert m.group(2) in ALLOWED_TAGS, (q.qid, m.group(0))
        for cls in re.findall(r'class="([^"]*)"', m.group(3)):
            assert cls in ALLOWED_CLASSES, (q.qid, cls)
        assert 'style' not in m.group(3) and 'href' not in m.group(3) and 'src' not in m.group(3), m.group(0)
    stripped = re.sub(r'<[^<>]*>', '', body)
    assert '<' not in stripped and '>' not in stripped, q.qid
    for m in re.finditer('&', stripped):
        e = re.match(r'&([a-z]+);', stripped[m.start():])
        assert e and e.group(1) in ENTITIES, (q.qid, stripped[m.start():m.start() + 12])
    for tag in ('p', 'b', 'u', 'ol', 'li', 'div', 'span'):
        assert len(re.findall(r'<%s[ >]' % tag, body)) == body.count('</%s>' % tag), (q.qid, tag)
    assert q.instruction and '<' not in q.instruction and '&' not in q.instruction, q.qid


def check_question(q):
    check_html(q)
    slots = len(q.answers)
    assert 1 <= slots <= 20, q.qid
    for kind, marks, key in q.answers:
        assert marks in (1, 2), q.qid
        if key != ' ':
            check_key(kind, key)
    body = '\n'.join(q.lines)
    labels = re.findall(r'<p class="part">\((\w)\)', body)
    if slots > 1:
        assert labels == list(LETTERS[:slots]), (q.qid, labels)
    else:
        assert not labels, q.qid
    kinds = [a[0] for a in q.answers]
    if 'Q' in kinds:
        assert kinds == ['Q'] and body.count('<ol class="options">') == 1, q.qid
        assert body.count('<li>') == 4, q.qid
        opts = re.findall(r'<li>(.*?)</li>', body)
        assert len(set(o.lower() for o in opts)) == 4, q.qid
    # groups: a G head with single-space followers and enough alternatives
    i = 0
    while i < slots:
        kind, _, key = q.answers[i]
        assert key != ' ', q.qid
        size = 1
        while i + size < slots and q.answers[i + size][2] == ' ':
            assert q.answers[i + size][0] == 'G', q.qid
            size += 1
        if kind == 'G':
            assert size >= 2 and len(key[1:].split(';')) >= size, q.qid
        i += size
    # letter patterns shown in bold must fit their answers
    for line, (kind, _, key) in zip([l for l in q.lines if l.startswith('<p class="part">')], q.answers):
        for shown in re.findall(r'<b>([A-Za-z](?: [A-Za-z_])+)</b>', line):
            if '_' in shown:
                answers = [key] if kind == 'T' else key[1:].split(';')
                assert any(fits_pattern(shown, a) for a in answers), (q.qid, shown, key)


def check_paper(number, questions):
    slots = sum(len(q.answers) for q in questions)
    marks = sum(a[1] for q in questions for a in q.answers)
    assert slots <= 80, (number, slots)
    assert 20 <= marks <= 100, (number, marks)
    return slots, marks


# ---------------------------------------------------------------------------
# Writing
# ---------------------------------------------------------------------------

def render(number, title, questions):
    out = ['# %s' % title,
           '# Written by course/tools/gen_english_t3_t4.py; edit the script, not this file.',
           '']
    for q in questions:
        out.append('== %d' % q.qid)
        out.append('instruction: %s' % q.instruction)
        out.extend(q.lines)
        for kind, marks, key in q.answers:
            out.append('answer: %s %d %s' % (kind, marks, '[space]' if key == ' ' else key))
        out.append('')
    return '\n'.join(out)


def main():
    next_id = FIRST_ID
    built = []
    for number, title, make in PAPERS:
        questions = make()
        assert len(questions) == 15, (number, len(questions))
        for q in questions:
            q.qid = next_id
            next_id += 1
            check_question(q)
        built.append((number, title, questions, check_paper(number, questions)))
    assert next_id - 1 == LAST_ID, next_id
    ids = [q.qid for _, _, qs, _ in built for q in qs]
    assert ids == list(range(FIRST_ID, LAST_ID + 1))

    os.makedirs(ENGLISH, exist_ok=True)
    for number, title, questions, (slots, marks) in built:
        text = render(number, title, questions)
        with open(os.path.join(ENGLISH, '%d.txt' % number), 'w', encoding='utf-8', newline='\n') as f:
            f.write(text)
        print('%d.txt  %2d questions  %2d slots  %2d marks  ids %d-%d'
              % (number, len(questions), slots, marks, questions[0].qid, questions[-1].qid))


if __name__ == '__main__':
    main()
