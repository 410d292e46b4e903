#!/usr/bin/env python3
"""Writes the English papers for two topics:

  topic 5  Punctuation and Sentence Combining   papers 121..125, ids 11301..11350
  topic 6  Comprehension                         papers 126..130, ids 11351..11400

Standard library only, no randomness: running the script again writes the
same files. Every question is written out by hand below; the helpers only
turn it into page HTML and answer lines and check it before anything is
written.

Sentence answers (joined sentences, reported speech) are M keys: each
accepted sentence is listed with and without its final full stop, with a
straight or a curly apostrophe, and "[,]" in a sentence below marks a comma
that may be left out, so both forms are listed.

Usage:  python3 course/tools/gen_english_t5_t6.py
"""

import os
import re

HERE = os.path.dirname(os.path.abspath(__file__))
COURSE = os.path.dirname(HERE)
ENGLISH = os.path.join(COURSE, 'english')

LETTERS = 'abcdefghijklmnopqrst'
NUMBER_WORDS = {2: 'two', 3: 'three', 4: 'four'}
BLANK = '<span class="blank">&nbsp;</span>'


# ---------------------------------------------------------------------------
# Keys
# ---------------------------------------------------------------------------

def _dedupe(items):
    seen = set()
    out = []
    for item in items:
        k = item.strip().lower()
        if k not in seen:
            seen.add(k)
            out.append(item)
    return out


def _with_curly(forms):
    out = []
    for f in forms:
        out.append(f)
        if "'" in f:
            out.append(f.replace("'", '\u2019'))
    return out


def expand_optional_commas(text):
    """'Although it rained[,] we went out.' -> with and without the comma."""
    pieces = text.split('[,]')
    out = ['']
    for i, piece in enumerate(pieces):
        out = [o + piece for o in out]
        if i < len(pieces) - 1:
            out = [o + s for o in out for s in (',', '')]
    return out


def words_key(*variants):
    """M key for a short answer: the variants, each also with a curly apostrophe."""
    return ';' + ';'.join(_dedupe(_with_curly(list(variants))))


def sentence_key(*variants):
    """M key for a whole sentence: optional commas expanded, final full stop
    optional, straight or curly apostrophes."""
    alts = []
    for v in variants:
        for e in expand_optional_commas(v):
            forms = [e]
            if e.endswith('.'):
                forms.append(e[:-1])
            alts.extend(_with_curly(forms))
    return ';' + ';'.join(_dedupe(alts))


# ---------------------------------------------------------------------------
# Questions
# ---------------------------------------------------------------------------

class Question:
    def __init__(self, instruction, html, answers):
        self.qid = None
        self.instruction = instruction
        self.html = html          # list of HTML lines
        self.answers = answers    # list of (type, marks, key)


def options(items):
    return '<ol class="options">' + ''.join('<li>%s</li>' % i for i in items) + '</ol>'


# Parts of a question. Each is (kind, prompt, extra-lines, answers).

# The comprehension questions were written with the right answer wherever it
# came to mind (too often second). There, the right option is moved to the
# next place of this fixed cycle, the other options keeping their order.
ANSWER_PLACES = [3, 1, 4, 2, 2, 4, 1, 3, 4, 3, 2, 1]
SPREAD = {'on': False, 'next': 0}


def pq(prompt, opts, key, marks=1, fixed=False):
    """Multiple choice: opts are the four options, key the number of the right one.
    fixed: the options have a natural order (numbers) and are never moved."""
    assert len(opts) == 4 and 1 <= key <= 4
    assert len(set(opts)) == 4
    if SPREAD['on'] and not fixed:
        at = ANSWER_PLACES[SPREAD['next'] % len(ANSWER_PLACES)]
        SPREAD['next'] += 1
        right = opts[key - 1]
        others = [o for i, o in enumerate(opts) if i != key - 1]
        opts = others[:at - 1] + [right] + others[at - 1:]
        key = at
        assert opts[key - 1] == right
    return ('part', prompt, [options(opts)], [('Q', marks, str(key))])


def pt(prompt, key, marks=1):
    return ('part', prompt, [], [('T', marks, key)])


def pm(prompt, variants, marks=1):
    return ('part', prompt, [], [('M', marks, words_key(*variants))])


def ps(prompt, variants, marks=2):
    """A sentence to write: joined sentences or reported speech."""
    return ('part', prompt, [], [('M', marks, sentence_key(*variants))])


def pn(prompt, number, marks=1):
    return ('part', prompt, [], [('N', marks, str(number))])


def pg(prompt, alternatives, slots, marks=1):
    """'Name any two ...': one G head and followers, labelled together."""
    assert len(alternatives) >= slots >= 2
    answers = [('G', marks, ';' + ';'.join(alternatives))]
    answers += [('G', marks, ' ')] * (slots - 1)
    return ('group', prompt, [], answers)


def question(instruction, intro, parts):
    """A page: the intro lines, then the parts. Parts are labelled (a), (b), ...
    only when the question has more than one answer slot."""
    html = list(intro)
    answers = []
    nslots = sum(len(p[3]) for p in parts)
    letter = 0
    for kind, prompt, extra, ans in parts:
        if not ans:                      # a line between parts, no slot
            html.extend(extra)
            continue
        if nslots == 1:
            if prompt:
                html.append('<p>%s</p>' % prompt)
        elif kind == 'group':
            html.append('<p>%s Write one answer in each of the %s boxes.</p>'
                        % (prompt, NUMBER_WORDS[len(ans)]))
            for _ in ans:
                html.append('<p class="part">(%s) %s</p>' % (LETTERS[letter], BLANK))
                letter += 1
        else:
            html.append('<p class="part">(%s) %s</p>' % (LETTERS[letter], prompt))
            letter += len(ans)
        html.extend(extra)
        answers.extend(ans)
    return Question(instruction, html, answers)


def combine(first, second, use):
    """Prompt for joining two sentences: the sentences, then the word to use or
    the words to begin with."""
    return '%s %s<br>%s' % (first, second, use)


def begin(words):
    return 'Begin with: <b>%s</b>' % words


def join_word(word):
    return 'Use: <b>%s</b>' % word


# ---------------------------------------------------------------------------
# Topic 5: Punctuation and Sentence Combining
# ---------------------------------------------------------------------------

CHOOSE = 'Write the number of the correct answer.'
JOIN = 'Join each pair of sentences into one sentence. Write the whole new sentence.'
REPORT = 'Write each sentence in reported speech. Write the whole new sentence.'


def paper_121():
    qs = []
    qs.append(question(
        'Choose the correctly punctuated sentence. ' + CHOOSE,
        [],
        [pq('Which sentence is punctuated correctly?',
            ['what a lovely surprise this is!',
             'What a lovely surprise this is?',
             'What a lovely surprise this is!',
             'What a lovely surprise, this is!'], 3),
         pq('Which sentence is punctuated correctly?',
            ['Did Aunt Rosa bring her camera to the party?',
             'did Aunt Rosa bring her camera to the party?',
             'Did Aunt Rosa bring her camera to the party.',
             'Did Aunt rosa bring her camera to the party?'], 1)]))
    qs.append(question(
        'Write the punctuation mark that should go at the end of each sentence.',
        ['<p>Each sentence is missing its last punctuation mark. Write only the missing mark.</p>'],
        [pt('How many legs does a spider have' + BLANK, '?'),
         pt('The museum closes at five o\'clock on Sundays' + BLANK, '.'),
         pt('What a terrible storm that was' + BLANK, '!'),
         pt('Why did the bus leave so early' + BLANK, '?')]))
    qs.append(question(
        'Find the word that should begin with a capital letter.',
        ['<p>In each sentence, one word should begin with a capital letter but does not. Write that word correctly.</p>'],
        [pt('Last summer we visited my cousins in singapore.', 'Singapore'),
         pt('My best friend was born on a friday in March.', 'Friday'),
         pt('The longest river in africa is the Nile.', 'Africa')]))
    qs.append(question(
        'Choose the sentence with the commas in the right places. ' + CHOOSE,
        [],
        [pq('Which sentence uses commas correctly?',
            ['For the picnic we packed sandwiches apples, juice and a big blanket.',
             'For the picnic we packed, sandwiches, apples, juice and a big blanket.',
             'For the picnic we packed sandwiches, apples, juice, and, a big blanket.',
             'For the picnic we packed sandwiches, apples, juice and a big blanket.'], 4),
         pq('Which sentence uses commas correctly?',
            ['Our class collected cans, bottles, newspapers and old clothes.',
             'Our class collected, cans, bottles, newspapers and old clothes.',
             'Our class collected cans bottles newspapers, and old clothes.',
             'Our class, collected cans, bottles, newspapers and old clothes.'], 1)]))
    qs.append(question(
        JOIN,
        ['<p>Use the joining word given. Do not change the order of the ideas.</p>'],
        [ps(combine('The road was flooded.', 'We took the longer way home.', join_word('so')),
            ['The road was flooded[,] so we took the longer way home.']),
         ps(combine('Priya wanted to buy the book.', 'She did not have enough money.', join_word('but')),
            ['Priya wanted to buy the book[,] but she did not have enough money.',
             'Priya wanted to buy the book[,] but did not have enough money.']),
         ps(combine('Grandpa made some tea.', 'He sat down to read the newspaper.', join_word('and')),
            ['Grandpa made some tea[,] and sat down to read the newspaper.',
             'Grandpa made some tea[,] and he sat down to read the newspaper.',
             'Grandpa made some tea[,] and then sat down to read the newspaper.',
             'Grandpa made some tea[,] and then he sat down to read the newspaper.'])]))
    qs.append(question(
        JOIN,
        [],
        [ps(combine('Hurry up.', 'You will miss the bus.', join_word('or')),
            ['Hurry up[,] or you will miss the bus.']),
         ps(combine('We stayed indoors.', 'It was too hot outside.',
                    join_word('because') + '. ' + begin('We stayed')),
            ['We stayed indoors because it was too hot outside.'])]))
    qs.append(question(
        'Find the word that should be followed by a comma.',
        ['<p>Each sentence needs one comma. Write the word that the comma should come straight after.</p>'],
        [pt('I need a pencil a ruler and an eraser for the test.', 'pencil'),
         pt('Sam come and look at this shell.', 'Sam'),
         pt('Yes I have finished my homework.', 'Yes')]))
    qs.append(question(
        'Question marks and exclamation marks. ' + CHOOSE,
        [],
        [pq('Which sentence uses a question mark correctly?',
            ['I wonder where my keys are?',
             'She asked me if I was hungry?',
             'Have you seen my keys anywhere?',
             'Tell me when the film starts?'], 3),
         pq('Which sentence should end with an exclamation mark?',
            ['I think it will rain later',
             'What a brilliant goal that was',
             'The shop sells bread and milk',
             'Where did you put the scissors'], 2)]))
    qs.append(question(
        JOIN,
        ['<p>Begin each new sentence with the words given.</p>'],
        [ps(combine('The bell rang.', 'The pupils lined up quietly.', begin('When')),
            ['When the bell rang[,] the pupils lined up quietly.']),
         ps(combine('Keep stirring the soup.', 'It starts to boil.',
                    join_word('until') + '. ' + begin('Keep stirring')),
            ['Keep stirring the soup until it starts to boil.'])]))
    qs.append(question(
        'Choose the correctly punctuated sentence. ' + CHOOSE,
        [],
        [pq('Which is punctuated correctly?',
            ['I love reading, my brother loves drawing.',
             'I love reading my brother loves drawing.',
             'I love reading. My brother loves drawing.',
             'I love reading. my brother loves drawing.'], 3),
         pq('Which is written correctly?',
            ['The school fair is on Saturday, 14 june.',
             'The school fair is on saturday, 14 June.',
             'the school fair is on Saturday, 14 June.',
             'The school fair is on Saturday, 14 June.'], 4)]))
    return qs


def paper_122():
    qs = []
    qs.append(question(
        'Apostrophes. ' + CHOOSE,
        [],
        [pq('Which sentence is correct?',
            ['The cat licked it\'s paw.',
             'The cat licked its paw.',
             'The cat licked its\' paw.',
             'The cat\'s licked it\'s paw.'], 2),
         pq('Which sentence is correct?',
            ['The childrens coats are hanging in the hall.',
             'The childrens\' coats are hanging in the hall.',
             'The children\'s coat\'s are hanging in the hall.',
             'The children\'s coats are hanging in the hall.'], 4)]))
    qs.append(question(
        'Write the short form of the words in bold, using an apostrophe.',
        ['<p>For example, <b>can not</b> becomes <b>can\'t</b>.</p>'],
        [pm('Please <b>do not</b> feed the ducks.', ["don't"]),
         pm('<b>They are</b> waiting for us at the station.', ["they're"]),
         pm('<b>I will</b> ring you after dinner.', ["I'll"]),
         pm('Mum said <b>she would</b> be home by six.', ["she'd"])]))
    qs.append(question(
        'Use an apostrophe to show who owns something.',
        ['<p>Write the words in bold again, using an apostrophe. For example, <b>the bag of the boy</b> becomes <b>the boy\'s bag</b>.</p>'],
        [pm('We found <b>the tail of the dog</b> sticking out from under the bed.',
            ["the dog's tail", "dog's tail"]),
         pm('Mr Chua tidied away <b>the toys of the babies</b>.',
            ["the babies' toys", "babies' toys"]),
         pm('The wind blew off <b>the hats of the men</b>.',
            ["the men's hats", "men's hats"])]))
    qs.append(question(
        'Commas. ' + CHOOSE,
        [],
        [pq('Which sentence uses the comma correctly?',
            ['Although it was late, the shop was still open.',
             'Although, it was late the shop was still open.',
             'Although it was late the shop, was still open.',
             'Although it was late. The shop was still open.'], 1),
         pq('Which sentence uses commas correctly?',
            ['My uncle, a keen cyclist rode all the way to the coast.',
             'My uncle a keen cyclist, rode all the way to the coast.',
             'My uncle, a keen cyclist, rode all the way to the coast.',
             'My uncle, a keen, cyclist rode all the way to the coast.'], 3)]))
    qs.append(question(
        JOIN,
        ['<p>Use the words given.</p>'],
        [ps(combine('The water was cold.', 'Sam swam across the lake.', begin('Although')),
            ['Although the water was cold[,] Sam swam across the lake.']),
         ps(combine('You will not pass the test.', 'You practise every day.',
                    join_word('unless') + '. ' + begin('You will not')),
            ['You will not pass the test unless you practise every day.',
             'You will not pass the test unless you practice every day.']),
         ps(combine('Mum was cooking dinner.', 'Dad was washing the car.',
                    join_word('while') + '. ' + begin('Mum')),
            ['Mum was cooking dinner[,] while Dad was washing the car.'])]))
    qs.append(question(
        'Find the word that needs an apostrophe.',
        ['<p>In each sentence one word needs an apostrophe. Write that word correctly, with its apostrophe.</p>'],
        [pm('We couldnt find the way back to the car.', ["couldn't"]),
         pm('Jamals puppy chewed one of my shoes.', ["Jamal's"]),
         pm('Its going to be sunny tomorrow.', ["it's"])]))
    qs.append(question(
        JOIN,
        ['<p>Use the words given.</p>'],
        [ps(combine('Wash your hands.', 'You eat your lunch.',
                    join_word('before') + '. ' + begin('Wash your hands')),
            ['Wash your hands before you eat your lunch.',
             'Wash your hands before eating your lunch.']),
         ps(combine('The guests had left.', 'We tidied the house.', begin('After')),
            ['After the guests had left[,] we tidied the house.',
             'After the guests left[,] we tidied the house.'])]))
    qs.append(question(
        'Apostrophes. ' + CHOOSE,
        [],
        [pq('Which sentence uses the apostrophe correctly?',
            ['The shop sells fresh apple\'s and pear\'s.',
             'Both of the boys\' bags were soaked in the storm.',
             'The dog wagged it\'s tail happily.',
             'Mrs Osei bought three loaf\'s of bread.'], 2)]))
    qs.append(question(
        'Find the two words that should be followed by commas.',
        ['<p>Each sentence needs two commas to mark off the extra information. Write the two words that the commas should come straight after.</p>',
        ],
        [pg('Sentence 1: <i>Mrs Ahmad our class teacher took us to the science museum.</i>', ['Ahmad', 'teacher'], 2),
         pg('Sentence 2: <i>Ravi my youngest cousin loves drawing dinosaurs.</i>', ['Ravi', 'cousin'], 2)]))
    qs.append(question(
        JOIN,
        ['<p>Begin each new sentence with the words given.</p>'],
        [ps(combine('The rain stopped.', 'We went out to play.', begin('As soon as')),
            ['As soon as the rain stopped[,] we went out to play.']),
         ps(combine('Mei Ling was tired.', 'She finished her homework.', begin('Even though')),
            ['Even though Mei Ling was tired[,] she finished her homework.',
             'Even though Mei Ling was tired[,] she still finished her homework.'])]))
    return qs


def paper_123():
    qs = []
    qs.append(question(
        'Punctuating speech. ' + CHOOSE,
        [],
        [pq('Which sentence is punctuated correctly?',
            ['"Where are you going"? asked Mum.',
             '"Where are you going?" asked Mum.',
             '"Where are you going?" Asked Mum.',
             '"Where are you going," asked Mum?'], 2),
         pq('Which sentence is punctuated correctly?',
            ['Ben said, "i am going to the park."',
             'Ben said "I am going to the park.',
             'Ben said, I am going to the park."',
             'Ben said, "I am going to the park."'], 4)]))
    qs.append(question(
        'Write the punctuation mark that belongs in each gap.',
        ['<p>Write only the missing punctuation mark.</p>'],
        [pt('"Have you finished your drawing' + BLANK + '" asked Miss Chen.', '?'),
         pt('"I will meet you at the gate' + BLANK + '" said Tom.', ','),
         pm('Sara whispered' + BLANK + ' "The baby is asleep."', [',', ':'])]))
    qs.append(question(
        REPORT,
        ['<p>Begin each sentence with the words given.</p>'],
        [ps('Lina said, "I am hungry."<br>' + begin('Lina said'),
            ['Lina said that she was hungry.', 'Lina said she was hungry.']),
         ps('"We are going to the beach," said the twins.<br>' + begin('The twins said'),
            ['The twins said that they were going to the beach.',
             'The twins said they were going to the beach.']),
         ps('Dad said to me, "You can borrow my torch."<br>' + begin('Dad told me'),
            ['Dad told me that I could borrow his torch.',
             'Dad told me I could borrow his torch.'])]))
    qs.append(question(
        'Reported speech. ' + CHOOSE,
        ['<p>Raju said, "I will finish it tomorrow."</p>'],
        [pq('Which sentence reports what Raju said correctly?',
            ['Raju said that he will finish it the next day.',
             'Raju said that he would finish it the next day.',
             'Raju said that I would finish it the next day.',
             'Raju said that he would finish it yesterday.'], 2)]))
    qs.append(question(
        'Write each question in reported speech. Write the whole new sentence.',
        ['<p>Begin each sentence with the words given. Remember that a reported question ends with a full stop.</p>'],
        [ps('"Where do you live?" the man asked me.<br>' + begin('The man asked me'),
            ['The man asked me where I lived.']),
         ps('"Are you ready?" the coach asked us.<br>' + begin('The coach asked us'),
            ['The coach asked us if we were ready.',
             'The coach asked us whether we were ready.'])]))
    qs.append(question(
        'Direct and reported speech. ' + CHOOSE,
        [],
        [pq('Mrs Wong said, "I like this song." Which is the correct reported speech?',
            ['Mrs Wong said that I liked that song.',
             'Mrs Wong said that she like that song.',
             'Mrs Wong said, that she liked that song.',
             'Mrs Wong said that she liked that song.'], 4),
         pq('Kumar told his sister that he had lost her pen. What were Kumar\'s actual words?',
            ['Kumar said to his sister, "He has lost her pen."',
             'Kumar said to his sister, "I have lost your pen."',
             'Kumar said to his sister, "I have lost her pen."',
             'Kumar said to his sister, "You have lost my pen."'], 2)]))
    qs.append(question(
        'Find the two words that should begin with capital letters.',
        ['<p>In each sentence, two words should begin with a capital letter but do not. Write them correctly.</p>'],
        [pg('Sentence 1: <i>"are we nearly there?" asked kiran.</i>', ['Are', 'Kiran'], 2),
         pg('Sentence 2: <i>"i think it will snow tonight," said grandma.</i>', ['I', 'Grandma'], 2)]))
    qs.append(question(
        'Write each command in reported speech. Write the whole new sentence.',
        ['<p>Begin each sentence with the words given.</p>'],
        [ps('"Close the windows," the teacher said to us.<br>' + begin('The teacher told us'),
            ['The teacher told us to close the windows.']),
         ps('"Don\'t touch the stove," Mum said to my brother.<br>' + begin('Mum told my brother'),
            ['Mum told my brother not to touch the stove.'])]))
    qs.append(question(
        'Speech marks. ' + CHOOSE,
        ['<p>The speech marks have been left out of these sentences.</p>'],
        [pq('Which sentence does <b>not</b> need speech marks?',
            ['Can I come too? asked Wei.',
             'Stay on the path, warned the ranger.',
             'Dad said that the car needed washing.',
             'I love pizza, said Nur.'], 3)]))
    qs.append(question(
        REPORT,
        ['<p>Begin each sentence with the words given. Change the words for time and place where you need to.</p>'],
        [ps('Anil said, "I went to the dentist yesterday."<br>' + begin('Anil said that he had'),
            ['Anil said that he had gone to the dentist the day before.',
             'Anil said that he had gone to the dentist the previous day.']),
         ps('"We will play here tomorrow," said the girls.<br>' + begin('The girls said that they would'),
            ['The girls said that they would play there the next day.',
             'The girls said that they would play there the following day.'])]))
    return qs


def paper_124():
    qs = []
    qs.append(question(
        JOIN,
        ['<p>Use the joining word given, and begin with the words given.</p>'],
        [ps(combine('The boy is my cousin.', 'He won the race.',
                    join_word('who') + '. ' + begin('The boy')),
            ['The boy who won the race is my cousin.']),
         ps(combine('I found the book.', 'I had lost it last week.',
                    join_word('which') + '. ' + begin('I found')),
            ['I found the book which I had lost last week.',
             'I found the book[,] which I had lost last week.']),
         ps(combine('That is the lady.', 'Her dog bit the postman.',
                    join_word('whose') + '. ' + begin('That is')),
            ['That is the lady whose dog bit the postman.'])]))
    qs.append(question(
        'Colons and brackets. ' + CHOOSE,
        [],
        [pq('Which sentence uses the colon correctly?',
            ['You will need: a pencil, a ruler and an eraser.',
             'You will need three things: a pencil, a ruler and an eraser.',
             'You will need three: things, a pencil, a ruler and an eraser.',
             'You: will need three things, a pencil, a ruler and an eraser.'], 2),
         pq('Which sentence uses brackets correctly?',
            ['The blue whale (the largest animal on Earth) feeds on tiny krill.',
             'The (blue whale the largest animal on Earth) feeds on tiny krill.',
             'The blue whale (the largest animal on Earth feeds) on tiny krill.',
             'The blue whale the largest (animal on Earth) feeds on tiny krill.'], 1)]))
    qs.append(question(
        JOIN,
        ['<p>Begin each new sentence with the word given.</p>'],
        [ps(combine('Ahmad heard a loud crash.', 'He ran to the window.', begin('Hearing')),
            ['Hearing a loud crash[,] Ahmad ran to the window.']),
         ps(combine("The girl was holding her mother's hand.", 'She crossed the road carefully.',
                    begin('Holding')),
            ["Holding her mother's hand[,] the girl crossed the road carefully."])]))
    qs.append(question(
        'Find the word that should be followed by a comma.',
        ['<p>Each sentence needs one comma. Write the word that the comma should come straight after.</p>'],
        [pt('Sadly the concert was cancelled because of the storm.', 'Sadly'),
         pt('Before the match started the two captains shook hands.', 'started'),
         pt('Can you help me carry this box Grandma?', 'box')]))
    qs.append(question(
        JOIN,
        ['<p>Begin each new sentence with the words given.</p>'],
        [ps(combine('This is the park.', 'We played football here yesterday.',
                    join_word('where') + '. ' + begin('This is the park')),
            ['This is the park where we played football yesterday.']),
         ps(combine('The man had a long white beard.', 'He told us a story.', begin('The man with')),
            ['The man with a long white beard told us a story.',
             'The man with the long white beard told us a story.'])]))
    qs.append(question(
        'Joining sentences. ' + CHOOSE,
        ['<p><i>Mrs Rahman is our neighbour. She is a doctor.</i></p>'],
        [pq('Which sentence joins these two sentences correctly?',
            ['Mrs Rahman, which is our neighbour, is a doctor.',
             'Mrs Rahman who, is our neighbour is a doctor.',
             'Mrs Rahman, whose our neighbour, is a doctor.',
             'Mrs Rahman, who is our neighbour, is a doctor.'], 4)]))
    qs.append(question(
        JOIN,
        ['<p>Begin each new sentence with the words given.</p>'],
        [ps(combine('Kevin did not take the bus.', 'He walked to school.', begin('Instead of')),
            ['Instead of taking the bus[,] Kevin walked to school.']),
         ps(combine('Ali had a sore leg.', 'He finished the race.', begin('Despite his')),
            ['Despite his sore leg[,] Ali finished the race.',
             'Despite his sore leg[,] Ali still finished the race.'])]))
    qs.append(question(
        'Write the punctuation mark that belongs in each gap.',
        ['<p>Write only the missing punctuation mark.</p>'],
        [pt('There are three primary colours' + BLANK + ' red, yellow and blue.', ':'),
         pm('My brother' + BLANK + 's friends are coming to play football.', ["'"]),
         pt('Her grandfather was a well' + BLANK + 'known artist.', '-')]))
    qs.append(question(
        JOIN,
        ['<p>Begin each new sentence with the words given.</p>'],
        [ps(combine('The box was very heavy.', 'I could not lift it.', begin('The box was so')),
            ['The box was so heavy that I could not lift it.',
             'The box was so heavy I could not lift it.']),
         ps(combine('The soup was very hot.', 'The baby could not eat it.', begin('The soup was too')),
            ['The soup was too hot for the baby to eat.'])]))
    qs.append(question(
        'Choose the correctly punctuated sentence. ' + CHOOSE,
        [],
        [pq('Which sentence is punctuated correctly?',
            ['The sky grew dark; the wind began to howl.',
             'The sky grew dark, the wind began to howl.',
             'The sky grew dark the wind began to howl.',
             'The sky; grew dark the wind began to howl.'], 1)]))
    return qs


def paper_125():
    qs = []
    qs.append(question(
        'Choose the correctly punctuated sentence. ' + CHOOSE,
        [],
        [pq('Which sentence is punctuated correctly?',
            ['"Yes I\'d love to come to your party" said Anna.',
             '"Yes, Id love to come to your party," said Anna.',
             '"Yes, I\'d love to come to your party," said Anna.',
             '"Yes, I\'d love to come to your party." said Anna.'], 3),
         pq('Which sentence is punctuated correctly?',
            ['We visited paris, Rome and Venice in April.',
             'We visited Paris Rome and Venice in april.',
             'We visited Paris, Rome, and, Venice in April.',
             'We visited Paris, Rome and Venice in April.'], 4)]))
    qs.append(question(
        JOIN,
        ['<p>Begin each new sentence with the words given.</p>'],
        [ps(combine('Ali did not bring an umbrella.', 'Ben did not bring an umbrella.', begin('Neither')),
            ['Neither Ali nor Ben brought an umbrella.']),
         ps(combine('Mei sings in the choir.', 'She plays the piano too.', begin('Mei not only')),
            ['Mei not only sings in the choir[,] but also plays the piano.',
             'Mei not only sings in the choir[,] but she also plays the piano.']),
         ps(combine('Jun enjoys swimming.', 'His sister enjoys swimming too.', begin('Both')),
            ['Both Jun and his sister enjoy swimming.'])]))
    qs.append(question(
        'Write the punctuation mark that belongs in each gap.',
        ['<p>Write only the missing punctuation mark.</p>'],
        [pt('Our team needs four things to win' + BLANK + ' speed, skill, teamwork and luck.', ':'),
         pm('Mr Perera' + BLANK + 's car would not start this morning.', ["'"]),
         pt('What a beautiful sunset' + BLANK, '!'),
         pt('Rina, are you coming with us' + BLANK, '?')]))
    qs.append(question(
        REPORT,
        ['<p>Begin each sentence with the words given.</p>'],
        [ps('"I can\'t find my glasses," said Grandpa.<br>' + begin('Grandpa said that he'),
            ['Grandpa said that he could not find his glasses.',
             "Grandpa said that he couldn't find his glasses."]),
         ps('"Have you seen this film before?" Lily asked me.<br>' + begin('Lily asked me'),
            ['Lily asked me if I had seen that film before.',
             'Lily asked me whether I had seen that film before.',
             'Lily asked me if I had seen the film before.',
             'Lily asked me whether I had seen the film before.'])]))
    qs.append(question(
        'Joining sentences. ' + CHOOSE,
        ['<p><i>The hikers were tired. They were hungry. They reached the hut at last.</i></p>'],
        [pq('Which sentence joins these sentences correctly?',
            ['Tired and hungry the hikers, reached the hut at last.',
             'Tired and hungry, the hikers reached the hut at last.',
             'The hikers tired and hungry reached, the hut at last.',
             'Tired, and hungry, the hikers reached the hut at last.'], 2)]))
    qs.append(question(
        'Rewrite each sentence. Write the whole new sentence.',
        ['<p>Begin each new sentence with the words given. Keep the meaning the same.</p>'],
        [ps('The storm damaged many trees.<br>' + begin('Many trees'),
            ['Many trees were damaged by the storm.']),
         ps('If you do not water the plants, they will die.<br>' + begin('Unless'),
            ['Unless you water the plants[,] they will die.'])]))
    qs.append(question(
        'Find the two words that should be followed by commas.',
        ['<p>Each sentence needs two commas to mark off the extra information. Write the two words that the commas should come straight after.</p>'],
        [pg('Sentence 1: <i>Dr Fernandez the vet from the next village said our rabbit was healthy.</i>',
            ['Fernandez', 'village'], 2),
         pg('Sentence 2: <i>Hana the tallest girl in our class plays basketball.</i>', ['Hana', 'class'], 2)]))
    qs.append(question(
        JOIN,
        ['<p>Begin each new sentence with the words given. Use commas correctly.</p>'],
        [ps(combine('My grandfather is eighty years old.', 'He still runs every morning.',
                    begin('My grandfather, who')),
            ['My grandfather, who is eighty years old, still runs every morning.']),
         ps(combine('The Nile is the longest river in Africa.', 'It flows into the Mediterranean Sea.',
                    begin('The Nile, which')),
            ['The Nile, which is the longest river in Africa, flows into the Mediterranean Sea.'])]))
    qs.append(question(
        'Apostrophes. ' + CHOOSE,
        [],
        [pq('Which sentence is correct?',
            ['The team celebrated it\'s victory.',
             'Its been a long day.',
             'The bird built its nest in the old oak tree.',
             'The bird built it\'s nest in the old oak tree.'], 3),
         pq('Which sentence is correct?',
            ['The ladies\' changing room is on the left.',
             'The ladie\'s changing room is on the left.',
             'The ladies\'s changing room is on the left.',
             'The lady\'s\' changing room is on the left.'], 1)]))
    qs.append(question(
        'Rewrite each sentence. Write the whole new sentence.',
        ['<p>Begin each new sentence with the words given.</p>'],
        [ps('"Please help me carry these bags," the old man said to Kai.<br>' + begin('The old man asked Kai'),
            ['The old man asked Kai to help him carry those bags.',
             'The old man asked Kai to help him carry the bags.',
             'The old man asked Kai to help him to carry those bags.',
             'The old man asked Kai to help him to carry the bags.']),
         ps(combine('The shop was closed.', 'We went home.', begin('As')),
            ['As the shop was closed[,] we went home.'])]))
    return qs


# ---------------------------------------------------------------------------
# Topic 6: Comprehension
# ---------------------------------------------------------------------------

class Passage:
    """A reading passage. Blocks are ('n', text) for a numbered paragraph,
    ('x', text) for an unnumbered line (address, greeting, signature) and
    ('h', text) for a heading inside the passage (a diary date)."""

    def __init__(self, title, blocks, by=None):
        self.title = title
        self.blocks = blocks
        self.by = by

    def html(self):
        out = ['<div class="passage">', '<p><b>%s</b></p>' % self.title]
        n = 0
        for kind, text in self.blocks:
            if kind == 'n':
                n += 1
                out.append('<p><b>%d</b>&nbsp;&nbsp;%s</p>' % (n, text))
            elif kind == 'h':
                out.append('<p><i>%s</i></p>' % text)
            else:
                out.append('<p>%s</p>' % text)
        out.append('</div>')
        return out

    def paragraph(self, n):
        numbered = [t for k, t in self.blocks if k == 'n']
        return plain(numbered[n - 1])

    def text(self):
        return plain(' '.join(t for _, t in self.blocks))

    def words(self):
        return len(re.findall(r"[A-Za-z0-9][A-Za-z0-9'\-.,]*", self.text()))


def plain(html):
    text = re.sub(r'<[^>]+>', ' ', html)
    for entity, char in (('&mdash;', '\u2014'), ('&nbsp;', ' '), ('&amp;', '&'),
                         ('&deg;', '\u00b0'), ('&ndash;', '\u2013')):
        text = text.replace(entity, char)
    return text


def word_in(passage, n, meaning, word, marks=1):
    """Which word in paragraph n means ...? The key is checked against the text."""
    assert re.search(r'\b%s\b' % re.escape(word), passage.paragraph(n)), (word, n)
    return pt('Which word in paragraph %d means <b>%s</b>?' % (n, meaning), word, marks)


def number_in(passage, prompt, number, marks=1, shown=None):
    """A number read from the passage (shown: how it is written there)."""
    shown = shown if shown is not None else str(number)
    assert shown in passage.text(), (shown, prompt)
    return pn(prompt + ' Write the number only.', number, marks)


def names_in(passage, prompt, alternatives, slots, marks=1):
    for a in alternatives:
        assert re.search(r'\b%s\b' % re.escape(a), passage.text(), re.I), a
    return pg(prompt, alternatives, slots, marks)


def about(passage, instruction, parts):
    kinds = [a[0] for part in parts for a in part[3]]
    if all(k == 'Q' for k in kinds):
        instruction += ' ' + CHOOSE
    elif 'Q' in kinds:
        instruction += ' For a multiple-choice part, write the number of the correct answer.'
    return question(instruction, passage.html(), parts)


WORD_NOTE = 'Copy the word exactly as it is written in the passage.'
READ_STORY = 'Read the story, then answer the questions.'
READ_TEXT = 'Read the passage, then answer the questions.'


BLUE_HERON = Passage('The Blue Heron', [
    ('n', 'Every summer, Nadia spent a week with her grandfather in the small fishing village '
          'where he had lived all his life. This year, however, something was different. '
          'Grandpa\'s old wooden boat, the <i>Blue Heron</i>, lay upside down on the beach, its '
          'paint peeling and one of its planks cracked.'),
    ('n', '"She hasn\'t been in the water for three years," Grandpa said sadly, running his '
          'rough hand along the side of the boat. "My knees are too stiff to fix her on my own."'),
    ('n', 'Nadia looked at the boat and then at her grandfather. "Then we\'ll fix her together," '
          'she announced.'),
    ('n', 'For the next five days, they worked from breakfast until the sun sank behind the '
          'hills. Grandpa showed Nadia how to scrape away the flaking paint with a metal blade '
          'and how to rub the wood with sandpaper until it was as smooth as a pebble. Together '
          'they replaced the cracked plank, fitting the new one so tightly that not a drop of '
          'water could squeeze through. Nadia\'s arms ached every evening, but she did not '
          'complain once.'),
    ('n', 'On the sixth day they painted the boat. Grandpa wanted to keep the old blue colour, '
          'but Nadia persuaded him to add a thin white stripe along each side. "So she looks '
          'like she\'s smiling," she explained. Grandpa laughed so hard that he had to sit down '
          'on an upturned bucket.'),
    ('n', 'Early on the last morning, half the village gathered to watch. Grandpa and two '
          'neighbours pushed the <i>Blue Heron</i> across the wet sand, and she slid into the '
          'gentle waves as if she had never left them. Nadia held her breath, waiting for water '
          'to seep in, but the bottom of the boat stayed perfectly dry.'),
    ('n', 'Grandpa rowed them out past the harbour wall. For a long time neither of them spoke. '
          'Then he rested the oars and looked at his granddaughter with shining eyes. "Next '
          'summer," he said, "you can be the captain."'),
])

SEA_OTTERS = Passage('Sea Otters: Furry Guardians of the Kelp Forest', [
    ('n', 'Sea otters live along the coasts of the northern Pacific Ocean, from northern Japan '
          'and Russia across to Alaska and down to California. Unlike most sea mammals, they do '
          'not have a thick layer of fat, called blubber, to keep them warm. Instead, they rely '
          'on their fur, which is the thickest of any animal in the world. A single square '
          'centimetre of a sea otter\'s skin can hold more than 100,000 hairs.'),
    ('n', 'Because their fur is so important, sea otters spend hours every day grooming. They '
          'comb it with their claws and blow air into it, which traps a layer of warm air next '
          'to their skin. A sea otter with dirty or matted fur can quickly become dangerously '
          'cold.'),
    ('n', 'Sea otters are also famous for using tools. Floating on their backs, they place a '
          'flat stone on their chests and smash hard-shelled food, such as clams and mussels, '
          'against it until the shells crack open. Some otters even keep a favourite stone in '
          'a loose pocket of skin under one of their front legs.'),
    ('n', 'An adult sea otter must eat about a quarter of its own body weight every day to stay '
          'healthy. One of its favourite foods is the sea urchin, a spiny creature that feeds on '
          'kelp, a giant seaweed. When there are too many urchins, they can destroy whole '
          'underwater forests of kelp. By eating urchins, sea otters help the kelp forests to '
          'survive, and these forests provide homes for hundreds of other kinds of sea life.'),
    ('n', 'When they rest, sea otters often float together in groups called rafts. To stop '
          'themselves drifting away while they sleep, they sometimes wrap strands of kelp '
          'around their bodies or hold paws with a neighbour.'),
    ('n', 'More than a hundred years ago, sea otters were hunted so heavily for their fur that '
          'very few were left. Laws now protect them, and their numbers have slowly grown. '
          'However, oil spills remain a serious danger, because oil ruins the fur that keeps '
          'them alive.'),
])


def paper_126():
    SPREAD['on'] = True
    p, s = BLUE_HERON, SEA_OTTERS
    qs = []
    qs.append(about(p, READ_STORY, [
        pq('Why had the boat not been in the water for three years?',
           ['Grandpa had sold it to a neighbour.',
            'Grandpa could not repair it by himself.',
            'The harbour had been closed.',
            'Nadia had damaged it the summer before.'], 2),
        pq('"Then we\'ll fix her together," she announced. What does this tell us about Nadia?',
           ['She is determined to help her grandfather.',
            'She is afraid of going out to sea.',
            'She wants to go home early.',
            'She thinks the boat is not worth saving.'], 1, marks=2)]))
    qs.append(about(p, READ_STORY + ' ' + WORD_NOTE, [
        word_in(p, 4, 'hurt with a dull, steady pain', 'ached'),
        word_in(p, 5, 'made someone agree by giving good reasons', 'persuaded'),
        word_in(p, 6, 'flow slowly through small gaps', 'seep')]))
    qs.append(about(p, READ_STORY, [
        number_in(p, 'For how many days did Nadia and Grandpa work on the boat before they painted it?',
                  5, shown='five days'),
        number_in(p, 'How many neighbours helped Grandpa to push the boat into the sea?',
                  2, shown='two neighbours'),
        pq('How long had Grandpa lived in the village?',
           ['for one summer', 'for three years', 'for a week', 'all his life'], 4)]))
    qs.append(about(p, READ_STORY, [
        pq('Why did Nadia want a white stripe along each side of the boat?',
           ['to make the boat easier to see at night',
            'so that the boat would look as if it were smiling',
            'because Grandpa had asked for it',
            'because they had run out of blue paint'], 2),
        pq('Why did Nadia hold her breath when the boat slid into the waves?',
           ['She was about to dive into the sea.',
            'She was worried that the boat might leak.',
            'The new paint smelled very strong.',
            'The water was freezing cold.'], 2, marks=2)]))
    qs.append(about(p, READ_STORY, [
        pq('How does Grandpa feel at the end of the story?',
           ['proud and grateful', 'bored and tired', 'cross with Nadia', 'worried about the weather'],
           1, marks=2),
        pm('What is the name of Grandpa\'s boat?', ['Blue Heron', 'the Blue Heron']),
        pq('In paragraph 2, who or what does the word <b>She</b> refer to?',
           ['Nadia', 'the boat', 'Nadia\'s grandmother', 'the sea'], 2)]))
    qs.append(about(s, READ_TEXT, [
        pq('How do sea otters keep warm?',
           ['with a thick layer of blubber',
            'with very thick fur that traps warm air',
            'by sleeping on warm sand',
            'by swimming fast all day'], 2),
        pq('Why is an oil spill so dangerous for sea otters?',
           ['The oil makes the water too warm.',
            'The oil kills all the sea urchins.',
            'The oil ruins their fur, so they can no longer keep warm.',
            'The oil makes the stones too slippery to hold.'], 3, marks=2)]))
    qs.append(about(s, READ_TEXT + ' ' + WORD_NOTE, [
        word_in(s, 2, 'tangled and stuck together', 'matted'),
        word_in(s, 5, 'floating along, carried by the water', 'drifting'),
        word_in(s, 1, 'a thick layer of fat', 'blubber')]))
    qs.append(about(s, READ_TEXT, [
        names_in(s, 'Paragraph 3 names two hard-shelled foods that sea otters crack open. '
                    'Write them, copying the words from the passage.', ['clams', 'mussels'], 2),
        pq('How many hairs can grow on a single square centimetre of a sea otter\'s skin?',
           ['about 100', 'about 1,000', 'more than 100,000', 'exactly one million'], 3, fixed=True)]))
    qs.append(about(s, READ_TEXT, [
        pq('Why are sea otters important to kelp forests?',
           ['They plant new kelp on the sea bed.',
            'They eat the sea urchins that would destroy the kelp.',
            'They keep the water around the kelp warm.',
            'They eat the kelp so that it does not grow too tall.'], 2, marks=2),
        pq('What is a <b>raft</b> in this passage?',
           ['a boat made of kelp',
            'a group of sea otters resting together',
            'a flat stone used as a tool',
            'a piece of floating wood'], 2)]))
    qs.append(about(s, READ_TEXT, [
        pq('Which of these sentences is true?',
           ['Sea otters live in the Atlantic Ocean.',
            'Sea otters use stones to open shells.',
            'Sea otters are no longer protected by law.',
            'Sea otters sleep on the beach.'], 2),
        pm('What do sea otters sometimes wrap around their bodies while they sleep?',
           ['kelp', 'strands of kelp', 'kelp strands', 'seaweed', 'giant seaweed']),
        pq('What is the main purpose of this passage?',
           ['to persuade people to buy fur coats',
            'to give the reader information about sea otters',
            'to tell a funny story about an otter',
            'to explain how to keep an otter as a pet'], 2)]))
    return qs


CAMP_LETTER = Passage('A Letter from Camp', [
    ('x', 'Pinewood Outdoor Centre<br>Lake Road'),
    ('x', 'Dear Mum and Dad,'),
    ('n', 'I promised I would write, so here is my first letter from camp! We arrived on '
          'Saturday afternoon after a four-hour coach journey. I am sharing a cabin with five '
          'other boys, including my friend Leo. Our cabin is called Otter, and it is right next '
          'to the lake, so we can hear the water lapping at night.'),
    ('n', 'On Sunday we went canoeing. I was nervous at first because I had never held a paddle '
          'before, and the canoe wobbled terribly when I climbed in. Our instructor, Maya, told '
          'me to keep my weight low and to look at the far shore instead of at my feet. By the '
          'end of the morning, Leo and I were racing the other pairs &mdash; and we came second!'),
    ('n', 'Yesterday was the hardest day so far. We hiked to the top of Crow Hill, which is 600 '
          'metres high. It rained most of the way, my boots got soaked, and I slipped in a muddy '
          'patch and tore my waterproof trousers. I almost asked to turn back. But when we '
          'reached the top, the clouds suddenly parted, and we could see the whole valley spread '
          'out below us like a map. Maya said it was the best view she had seen all summer. I am '
          'glad I kept going.'),
    ('n', 'The food here is better than I expected, although the porridge is lumpy. Tonight we '
          'are having a campfire, and each cabin has to perform a song. Otter cabin is going to '
          'sing the one about the hungry crocodile. Please do not tell Grandma, because I want '
          'to surprise her with it when I get home.'),
    ('n', 'Could you please send me some more socks? Mine are all wet, and I have only one dry '
          'pair left.'),
    ('x', 'See you on Friday!'),
    ('x', 'Love from<br>Tomas'),
    ('x', 'P.S. Please give Biscuit a pat from me. I hope he isn\'t chewing my slippers again.'),
])

BRAILLE = Passage('Louis Braille: Reading with Fingertips', [
    ('n', 'Louis Braille was born in 1809 in Coupvray, a small village near Paris in France. His '
          'father made saddles and harnesses for horses, and young Louis loved to play in his '
          'workshop. One day, when Louis was three years old, he picked up one of his father\'s '
          'sharp tools and tried to copy the work he had seen. The tool slipped and injured his '
          'eye. An infection spread to his other eye, and by the age of five he was completely '
          'blind.'),
    ('n', 'Louis was a bright and determined boy. He went to the village school, where he learned '
          'by listening, and he remembered almost everything he heard. When he was ten, he won '
          'a place at a special school for blind children in Paris.'),
    ('n', 'The school had a few books for blind readers, but they were huge and heavy. Each '
          'letter was pressed into the paper as a large raised shape, so a single story might '
          'fill several volumes. Reading them was slow, and the pupils had no easy way to write '
          'for themselves.'),
    ('n', 'In 1821, a soldier named Charles Barbier visited the school. He had invented a system '
          'called "night writing", which used raised dots so that soldiers could read messages '
          'in the dark without lighting a lamp. Barbier\'s code was clever but complicated: some '
          'symbols needed up to twelve dots, which were too many for a fingertip to feel at '
          'once.'),
    ('n', 'Louis, who was only twelve, set out to improve the idea. He worked on it for three '
          'years, often late into the night. By the age of fifteen, he had created a much '
          'simpler code. Each letter was made from a cell of just six dots, arranged in two '
          'columns of three, so a reader could feel a whole letter with one touch of a finger. '
          'Louis later added signs for numbers and even for music.'),
    ('n', 'Sadly, Louis did not live to see his system used widely. He died in 1852, aged '
          'forty-three. Two years later, his school officially adopted it. Today, braille is used '
          'by blind people all over the world, on everything from books to lift buttons and '
          'medicine packets.'),
])


def paper_127():
    p, s = CAMP_LETTER, BRAILLE
    read = 'Read the letter, then answer the questions.'
    qs = []
    qs.append(about(p, read, [
        pq('Where is the Otter cabin?',
           ['at the top of Crow Hill', 'right next to the lake',
            'beside the dining hall', 'near the car park'], 2),
        pq('Which word best describes how Tomas felt before he went canoeing?',
           ['nervous', 'bored', 'angry', 'proud'], 1),
        number_in(p, 'How many hours did the coach journey to camp take?', 4, shown='four-hour')]))
    qs.append(about(p, read + ' ' + WORD_NOTE, [
        word_in(p, 2, 'moved unsteadily from side to side', 'wobbled'),
        word_in(p, 3, 'very wet all the way through', 'soaked'),
        word_in(p, 4, 'full of small solid bits', 'lumpy')]))
    qs.append(about(p, read, [
        pq('Why is Tomas "glad I kept going"?',
           ['because he won a prize for reaching the top first',
            'because the view from the top was worth the hard climb',
            'because the rain stopped as soon as they set off',
            'because Maya carried his bag for him'], 2, marks=2),
        number_in(p, 'How high is Crow Hill? Give your answer in metres.', 600),
        pq('The valley was "spread out below us like a map". This tells us that',
           ['Maya gave the children a map of the valley.',
            'the children got lost in the valley.',
            'the children could see the whole valley clearly from above.',
            'the valley was drawn on a large sheet of paper.'], 3)]))
    qs.append(about(p, read, [
        pq('Why does Tomas ask his parents not to tell Grandma about the song?',
           ['He is embarrassed by the song.',
            'He wants to surprise her with it.',
            'Grandma does not like crocodiles.',
            'He has forgotten the words.'], 2),
        pq('Read the P.S. at the end of the letter. Who is Biscuit most likely to be?',
           ['Tomas\'s younger brother', 'the cook at the camp',
            'the family\'s pet dog', 'a boy in the Otter cabin'], 3, marks=2),
        pm('What does Tomas ask his parents to send him?',
           ['socks', 'some socks', 'more socks', 'some more socks', 'dry socks'])]))
    qs.append(about(p, read, [
        pq('What is the main purpose of Tomas\'s letter?',
           ['to complain that camp is too hard',
            'to tell his parents about camp and ask them for something',
            'to invite his parents to the campfire',
            'to explain why he wants to come home early'], 2, marks=2),
        pn('How many boys sleep in the Otter cabin, counting Tomas himself? Write the number only.', 6)]))
    qs.append(about(s, READ_TEXT, [
        number_in(s, 'In which year was Louis Braille born?', 1809),
        pn('How old was Louis when he won a place at the school in Paris? Write the number only.', 10),
        pn('How many dots make up one cell of Louis\'s code? Write the number only.', 6)]))
    qs.append(about(s, READ_TEXT, [
        pq('How did Louis lose his sight?',
           ['He was born blind.',
            'A tool hurt one eye, and an infection spread to the other.',
            'He fell from one of the horses in the workshop.',
            'He read too often in the dark.'], 2, marks=2),
        pq('Why were the school\'s books difficult to use?',
           ['They were written in another language.',
            'They were huge and heavy, and slow to read.',
            'They had no pictures in them.',
            'They were kept locked away from the pupils.'], 2)]))
    qs.append(about(s, READ_TEXT + ' ' + WORD_NOTE, [
        word_in(s, 2, 'keeps trying to do something even when it is hard', 'determined'),
        word_in(s, 4, 'difficult to understand or use because it has many parts', 'complicated'),
        word_in(s, 6, 'took up and began to use', 'adopted')]))
    qs.append(about(s, READ_TEXT, [
        pq('Why was Louis\'s code easier to read than Barbier\'s?',
           ['It used more dots for each letter.',
            'A whole letter could be felt with one touch of a finger.',
            'It could only be read in the dark.',
            'It was printed in very large letters.'], 2, marks=2),
        pm('Who invented "night writing"?', ['Charles Barbier', 'Barbier']),
        pq('Why did soldiers find "night writing" useful?',
           ['It let them read messages in the dark without lighting a lamp.',
            'It helped them to write letters home more quickly.',
            'It was a secret code that only officers knew.',
            'It taught them to read music.'], 1)]))
    qs.append(about(s, READ_TEXT, [
        names_in(s, 'Paragraph 6 names three things that braille is used on. Write two of them, '
                    'copying the words from the passage.',
                 ['books', 'lift buttons', 'medicine packets'], 2),
        pn('How many years after Louis died did his school adopt his system? Write the number only.', 2),
        pq('Which of these would be the best other title for the passage?',
           ['The Boy Who Changed Reading for Blind People',
            'How to Make a Saddle',
            'Soldiers of France',
            'A Day in a Village School'], 1)]))
    return qs


RELAY = Passage('The Second Leg', [
    ('n', 'Joel had always been one of the slowest runners in Class 6B. So when Mr Okafor read out '
          'the names for the inter-school relay team, Joel thought he had misheard. "Joel '
          'Mensah," the teacher repeated, smiling. "You\'ll run the second leg."'),
    ('n', 'Later, Joel found out why he had been picked. Ayesha, one of the fastest girls in the '
          'school, had broken her wrist falling off her bicycle, and Mr Okafor had noticed how '
          'hard Joel had tried in every single practice.'),
    ('n', 'For two weeks Joel trained every afternoon. His older sister, Efua, timed him with the '
          'stopwatch on her phone and shouted advice from the side of the track. "Don\'t look '
          'behind you! Looking back slows you down." Little by little, his times improved. He '
          'learnt to hold the baton firmly, and to start running just before his teammate reached '
          'him, so that he was already moving fast when he took the baton.'),
    ('n', 'On the day of the race, the stadium was packed with noisy supporters waving flags. Joel '
          'felt as if his stomach were full of butterflies. Priya ran the first leg brilliantly '
          'and handed him the baton in second place. Joel gripped it and ran harder than he had '
          'ever run before. He could hear footsteps close behind him, but he remembered Efua\'s '
          'words and kept his eyes fixed on Marcus, who was waiting for him with his arm '
          'stretched back.'),
    ('n', 'The handover was perfect. Marcus overtook the leader on the bend, and Hana, the team\'s '
          'fastest runner, sprinted the final leg to cross the line first by a metre.'),
    ('n', 'When the team climbed onto the podium, Mr Okafor shook Joel\'s hand. "You didn\'t win '
          'the race on your own," he said, "but you kept us in it when it mattered. That\'s what '
          'a team needs."'),
    ('n', 'Joel looked up at the stands, where Efua was jumping up and down and cheering. He '
          'decided there and then that he would keep on training, even after Ayesha\'s wrist had '
          'healed.'),
])

REEF = Passage('The Great Barrier Reef', [
    ('n', 'Stretching for more than 2,300 kilometres along the north-east coast of Australia, the '
          'Great Barrier Reef is the largest coral reef system on Earth. It is so big that it can '
          'be seen from space. It is not a single reef: it is made up of nearly 3,000 separate '
          'reefs and hundreds of islands.'),
    ('n', 'Although coral may look like coloured rock or strange plants, it is actually made by '
          'tiny animals called polyps. A polyp has a soft body, often no bigger than a fingernail, '
          'but it builds a hard skeleton of limestone around itself. When polyps die, their '
          'skeletons remain, and new polyps grow on top. Over thousands of years, these '
          'skeletons have built up into the enormous reef we see today.'),
    ('n', 'The reef is home to an astonishing variety of life. More than 1,500 kinds of fish live '
          'there, as well as turtles, sharks, dolphins, giant clams and sea snakes. Six of the '
          'world\'s seven kinds of sea turtle can be found in its waters.'),
    ('n', 'Most corals get their bright colours from tiny algae that live inside them. The algae '
          'make food from sunlight and share it with the coral. However, when the sea becomes too '
          'warm, the corals push out the algae and turn white. This is called coral bleaching. If '
          'the water cools down quickly, the corals can recover, but if it stays hot for too '
          'long, they may starve and die.'),
    ('n', 'To protect the reef, much of it has been made into a marine park, where fishing and '
          'boating are controlled. Scientists check the health of the coral closely, and '
          'visitors are asked not to touch it or stand on it. Many people believe that the '
          'greatest danger to the reef is climate change, which is making the oceans warmer.'),
    ('n', 'Every year, around two million tourists visit the reef to snorkel, dive and sail. Many '
          'of them say that floating above the coral, surrounded by shoals of brightly coloured '
          'fish, is like swimming inside an aquarium.'),
])


def paper_128():
    p, s = RELAY, REEF
    qs = []
    qs.append(about(p, READ_STORY, [
        pq('Why did Joel think he had misheard his name?',
           ['The stadium was very noisy.',
            'He was one of the slowest runners in his class.',
            'He had not been to any of the practices.',
            'Mr Okafor had spoken very quietly.'], 2),
        pq('Why was Joel picked for the team?',
           ['He was the fastest runner in the school.',
            'His sister asked Mr Okafor to pick him.',
            'Ayesha was hurt, and Mr Okafor had seen how hard Joel tried.',
            'Nobody else wanted to run the second leg.'], 3, marks=2)]))
    qs.append(about(p, READ_STORY + ' ' + WORD_NOTE, [
        word_in(p, 4, 'very full of people', 'packed'),
        word_in(p, 4, 'held tightly', 'gripped'),
        word_in(p, 5, 'went past', 'overtook')]))
    qs.append(about(p, READ_STORY, [
        number_in(p, 'For how many weeks did Joel train before the race?', 2, shown='two weeks'),
        pn('How many runners were in the relay team? Write the number only.', 4),
        pn('By how many metres did the team win the race? Write the number only.', 1)]))
    qs.append(about(p, READ_STORY, [
        pq('"Joel felt as if his stomach were full of butterflies." This means that Joel was',
           ['nervous.', 'hungry.', 'feeling ill.', 'bored.'], 1),
        pq('Why did Joel keep his eyes fixed on Marcus instead of looking behind him?',
           ['Marcus was shouting his name.',
            'Efua had told him that looking back would slow him down.',
            'He was afraid of the runner behind him.',
            'Mr Okafor had told him to watch the bend.'], 2, marks=2)]))
    qs.append(about(p, READ_STORY, [
        pq('What did Mr Okafor mean when he spoke to Joel on the podium?',
           ['Joel had done his part well for the team.',
            'Joel should have run faster.',
            'Joel had won the race on his own.',
            'Joel should not have been in the team.'], 1, marks=2),
        pm('Who ran the final leg of the race?', ['Hana']),
        pq('Which word best describes Efua in this story?',
           ['supportive', 'jealous', 'lazy', 'unkind'], 1)]))
    qs.append(about(s, READ_TEXT, [
        number_in(s, 'The reef stretches for more than how many kilometres?', 2300, shown='2,300'),
        pn('How many of the world\'s seven kinds of sea turtle can be found on the reef? '
           'Write the number only.', 6),
        number_in(s, 'More than how many kinds of fish live on the reef?', 1500, shown='1,500')]))
    qs.append(about(s, READ_TEXT, [
        pq('What is coral made by?',
           ['plants that grow on rocks', 'tiny animals called polyps',
            'rocks from the sea bed', 'shoals of fish'], 2),
        pq('Why do corals sometimes turn white?',
           ['The sunlight becomes too bright for them.',
            'The sea becomes too warm, and they push out the algae.',
            'Visitors touch them and stand on them.',
            'The algae eat the coral.'], 2, marks=2)]))
    qs.append(about(s, READ_TEXT + ' ' + WORD_NOTE, [
        word_in(s, 2, 'very large', 'enormous'),
        word_in(s, 3, 'very surprising', 'astonishing'),
        word_in(s, 4, 'get better', 'recover')]))
    qs.append(about(s, READ_TEXT, [
        names_in(s, 'Apart from fish, paragraph 3 names five kinds of animal that live on the reef. '
                    'Write three of them, copying the words from the passage.',
                 ['turtles', 'sharks', 'dolphins', 'giant clams', 'sea snakes'], 3)]))
    qs.append(about(s, READ_TEXT, [
        pq('Visitors say that swimming over the reef "is like swimming inside an aquarium". '
           'What does this suggest?',
           ['The water is kept in a large glass tank.',
            'There are many colourful fish all around them.',
            'The water is too cold for swimming.',
            'Swimming there is very dangerous.'], 2, marks=2),
        pq('Which of these sentences is true?',
           ['The reef is one single, very long reef.',
            'Visitors are asked not to touch the coral.',
            'Fishing is allowed everywhere on the reef.',
            'Coral polyps are large animals.'], 2)]))
    return qs


FARM_DIARY = Passage('Mira\'s Farm Diary', [
    ('h', 'Saturday'),
    ('n', 'Today we arrived at Aunt Ruth\'s farm. It took us three hours to drive here, and the last '
          'part of the road was so bumpy that my little brother Sam was nearly sick. The farmhouse '
          'is ancient, with thick stone walls and a crooked chimney, and it smells of wood smoke '
          'and warm bread. Aunt Ruth has forty sheep, two goats, a grumpy donkey called Pepper '
          'and more chickens than I could count.'),
    ('h', 'Sunday'),
    ('n', 'I woke up at six o\'clock because a rooster was crowing right under my window. At first '
          'I was cross, but Aunt Ruth said that early morning is the best time on a farm, and she '
          'was right. We collected eggs from the henhouse. I found eleven, and Sam found three, '
          'although he dropped one on the way back. Then we fed the goats, who tried to eat my '
          'sleeve.'),
    ('h', 'Monday'),
    ('n', 'This morning something wonderful happened. One of the sheep had twin lambs in the barn. '
          'Aunt Ruth let me watch from the doorway, as long as I kept very still and quiet. The '
          'lambs were wobbly and wet at first, but within half an hour they were standing up and '
          'looking for milk. Aunt Ruth said I could name them, so I chose Cloud and Pebble.'),
    ('h', 'Tuesday'),
    ('n', 'Disaster! Somebody left the gate of the top field open, and the donkey escaped. We '
          'searched for nearly two hours. In the end we found Pepper in the vegetable garden, '
          'happily munching Aunt Ruth\'s prize cabbages. Sam admitted that he had been the last '
          'one through the gate. He was so upset that Aunt Ruth could not stay angry for long, '
          'and she said that the cabbages would have been too big for her pot anyway.'),
    ('h', 'Wednesday'),
    ('n', 'Our last day. I gave Cloud and Pebble a goodbye stroke, and I even patted Pepper, who '
          'did not try to bite me this time. Aunt Ruth has invited us back in the summer holidays '
          'to help with the sheep shearing. I have already started counting the days.'),
])

PENGUINS = Passage('The Emperor Penguin', [
    ('n', 'The emperor penguin is the largest penguin in the world. An adult can stand about 1.1 '
          'metres tall &mdash; roughly as tall as a seven-year-old child &mdash; and can weigh '
          'as much as 40 kilograms. It lives only in Antarctica, the coldest and windiest '
          'continent on Earth.'),
    ('n', 'Most birds raise their young in spring or summer, but emperor penguins do something '
          'very unusual. They breed in the middle of the Antarctic winter, when the temperature '
          'can fall below minus 40 degrees Celsius and the sun hardly rises at all.'),
    ('n', 'After the female lays a single egg, she carefully passes it to her partner. Then she '
          'walks to the sea to feed, which may be a journey of many kilometres across the ice. '
          'The male balances the egg on top of his feet and covers it with a warm fold of skin '
          'called a brood pouch. For about two months he guards the egg without eating anything '
          'at all, and he may lose almost half of his body weight.'),
    ('n', 'To survive the freezing winds, the males huddle together in groups of thousands. They '
          'take turns to move from the cold outer edge of the huddle into the warm middle, so '
          'that no bird stays out in the wind for too long.'),
    ('n', 'When the chick hatches, the female usually returns with her stomach full of fish, and '
          'she brings up food for the chick to eat. Now it is the hungry father\'s turn to walk '
          'to the sea. For the next few months, the parents take turns to hunt and to care for '
          'their growing chick.'),
    ('n', 'Emperor penguins are excellent swimmers. They can dive deeper than 500 metres and stay '
          'underwater for more than 20 minutes, which is longer than any other bird.'),
    ('n', 'Scientists are worried about the future of emperor penguins. The birds need sea ice '
          'that stays solid all through the winter, and in some places the ice is now melting '
          'earlier each year.'),
])


def paper_129():
    p, s = FARM_DIARY, PENGUINS
    read = 'Read the diary, then answer the questions.'
    qs = []
    qs.append(about(p, read, [
        number_in(p, 'How many hours did the drive to the farm take?', 3, shown='three hours'),
        number_in(p, 'How many sheep does Aunt Ruth have?', 40, shown='forty sheep'),
        number_in(p, 'How many eggs did Mira find?', 11, shown='I found eleven')]))
    qs.append(about(p, read, [
        pq('Why was Mira cross on Sunday morning?',
           ['A goat ate her sleeve.',
            'A rooster woke her up early.',
            'Sam dropped an egg.',
            'It was raining.'], 2),
        pq('Why did Aunt Ruth let Mira watch the lambs only from the doorway?',
           ['so that the sheep and her lambs would not be disturbed',
            'because the barn door was locked',
            'because Mira was frightened of sheep',
            'because it was too dark inside the barn'], 1, marks=2)]))
    qs.append(about(p, read + ' ' + WORD_NOTE, [
        word_in(p, 1, 'very old', 'ancient'),
        word_in(p, 1, 'bad-tempered', 'grumpy'),
        word_in(p, 3, 'not steady on their legs', 'wobbly'),
        word_in(p, 4, 'eating steadily and noisily', 'munching')]))
    qs.append(about(p, read, [
        names_in(p, 'What names did Mira give the two lambs?', ['Cloud', 'Pebble'], 2),
        pq('Who left the gate of the top field open?',
           ['Aunt Ruth', 'Mira', 'Sam', 'the donkey'], 3),
        pm('Where did they find Pepper?',
           ['in the vegetable garden', 'the vegetable garden', 'vegetable garden',
            'in the garden', 'the garden', 'garden'])]))
    qs.append(about(p, read, [
        pq('Why could Aunt Ruth "not stay angry for long"?',
           ['Sam was so upset about what had happened.',
            'The cabbages did not belong to her.',
            'Pepper came back to the field by himself.',
            'Mira had found the donkey.'], 1, marks=2),
        pq('"I have already started counting the days." What does this tell us about Mira?',
           ['She is practising her maths.',
            'She is looking forward to going back to the farm.',
            'She wants to go home as soon as she can.',
            'She is bored on the farm.'], 2, marks=2)]))
    qs.append(about(s, READ_TEXT, [
        number_in(s, 'About how tall is an adult emperor penguin? Give your answer in metres.', 1.1),
        number_in(s, 'For about how many months does the male guard the egg?', 2, shown='two months'),
        number_in(s, 'Emperor penguins can dive deeper than how many metres?', 500)]))
    qs.append(about(s, READ_TEXT, [
        pq('What is unusual about when emperor penguins breed?',
           ['They breed in the middle of winter.',
            'They breed in the middle of summer.',
            'They breed only once in their lives.',
            'They breed out at sea.'], 1),
        pq('Why does the female walk to the sea after she has laid her egg?',
           ['to find a new partner', 'to feed',
            'to lay another egg', 'to escape the cold'], 2)]))
    qs.append(about(s, READ_TEXT + ' ' + WORD_NOTE, [
        word_in(s, 4, 'crowd closely together', 'huddle'),
        word_in(s, 3, 'keeps something steady so that it does not fall', 'balances'),
        pm('What is the warm fold of skin that covers the egg called?',
           ['brood pouch', 'a brood pouch', 'the brood pouch'])]))
    qs.append(about(s, READ_TEXT, [
        pq('Why do the males take turns to move into the middle of the huddle?',
           ['so that no bird stays out in the cold wind for too long',
            'so that they can find their partners',
            'so that they can see the sea',
            'so that the eggs can be swapped'], 1, marks=2),
        pq('Why may a male lose almost half of his body weight?',
           ['He swims a long way every day.',
            'He gives all his food to the female.',
            'He eats nothing for about two months while he guards the egg.',
            'He walks many kilometres across the ice.'], 3, marks=2)]))
    qs.append(about(s, READ_TEXT, [
        names_in(s, 'Paragraph 1 uses two words to describe Antarctica. Write them, copying the '
                    'words from the passage.', ['coldest', 'windiest'], 2),
        pq('Why are scientists worried about emperor penguins?',
           ['There are too many penguins for the food in the sea.',
            'In some places the sea ice is melting earlier each year.',
            'The penguins have stopped swimming.',
            'The winters are getting longer.'], 2),
        pq('Which of these sentences is true?',
           ['Emperor penguins live in the Arctic.',
            'The female keeps the egg on her feet all winter.',
            'The parents take turns to care for the chick.',
            'Emperor penguins are poor swimmers.'], 3)]))
    return qs


CRUMB_CATCHER = Passage('The Crumb Catcher', [
    ('n', 'Aisha had been working on her invention for a whole month. It was a small robot made '
          'from a plastic lunch box, two old toy-car motors and a great deal of sticky tape. Its '
          'job was simple: it would roll along the floor and sweep up crumbs with a pair of '
          'spinning toothbrushes. She called it the Crumb Catcher.'),
    ('n', 'The night before the school science fair, Aisha switched it on for one final test. The '
          'motors whirred, the toothbrushes spun, and then &mdash; nothing. The robot stopped dead '
          'in the middle of the kitchen floor, and a thin curl of smoke rose from its lid.'),
    ('n', '"It\'s ruined," Aisha groaned, sinking onto a chair. "Everyone will laugh at me."'),
    ('n', 'Her grandmother, who had been a radio engineer for thirty years, put down her cup of '
          'tea. "Before you give up," she said, "let\'s find out what went wrong. Every inventor '
          'has failures. The clever ones learn from them."'),
    ('n', 'Together they unscrewed the lid. Inside, one of the wires had come loose and touched '
          'another, and the battery had overheated. Grandma showed Aisha how to wrap the bare '
          'wire in tape so that it could not touch anything else. She also suggested moving the '
          'battery away from the motors so that it would stay cool. It was almost midnight by the '
          'time the Crumb Catcher rolled across the floor again, leaving a clean path through a '
          'trail of biscuit crumbs.'),
    ('n', 'At the fair the next day, Aisha did not win first prize. That went to a boy from Year 5 '
          'who had built a weather station. But one of the judges, a scientist from the local '
          'university, spent ten minutes asking Aisha questions. Aisha explained not only how '
          'the robot worked, but also how she had fixed it.'),
    ('n', '"Anyone can tell me about a machine that works the first time," the judge said. "You '
          'have shown me how a real engineer thinks." She handed Aisha a certificate for the Best '
          'Problem-Solver &mdash; a prize that Aisha had not even known existed.'),
])

MARATHON = Passage('The Marathon: A Race and a Legend', [
    ('n', 'The marathon is one of the toughest races in athletics. Runners must cover 42.195 '
          'kilometres. That is about the same as running round a school\'s 400-metre track more '
          'than a hundred times.'),
    ('n', 'The race takes its name from an old Greek legend. In 490 BC, so the story goes, the '
          'Greeks defeated an invading Persian army near the town of Marathon. A messenger named '
          'Pheidippides ran all the way to Athens to bring the news of the victory. When he '
          'arrived, he gasped, "We have won!" and then collapsed and died. Historians are not sure '
          'whether this really happened, but the story has inspired runners for more than a '
          'hundred years.'),
    ('n', 'When the first modern Olympic Games were held in Athens in 1896, the organisers '
          'included a long-distance race from Marathon to Athens in honour of the legend. It was '
          'won by a Greek water-carrier named Spyridon Louis, which delighted the home crowd.'),
    ('n', 'At first the length of the race varied. The unusual distance used today comes from the '
          'Olympic Games held in London in 1908. The course was planned so that the race could '
          'start at Windsor Castle and finish in front of the royal family\'s seats in the '
          'stadium. In 1921, this distance of 42.195 kilometres became the official length.'),
    ('n', 'Today, hundreds of marathons are held around the world every year, and many of them '
          'welcome ordinary runners as well as top athletes. The fastest runners finish in a '
          'little over two hours, but many people take five or six hours, and some walk much of '
          'the way. Lots of them run to raise money for charity, often wearing colourful '
          'costumes.'),
    ('n', 'Training for a marathon usually takes several months. Runners build up their distance '
          'slowly, eat carefully and rest well. Experts warn that running too far too soon can '
          'cause injuries &mdash; and, as Pheidippides might agree, it is wise not to push the '
          'body too hard.'),
])


def paper_130():
    p, s = CRUMB_CATCHER, MARATHON
    qs = []
    qs.append(about(p, READ_STORY, [
        number_in(p, 'How many old toy-car motors did Aisha use?', 2, shown='two old toy-car motors'),
        pm('What was the name of Aisha\'s invention?', ['the Crumb Catcher', 'Crumb Catcher']),
        pq('What was the robot\'s job?',
           ['to sweep up crumbs from the floor', 'to wash the dishes',
            'to carry cups of tea', 'to measure the weather'], 1)]))
    qs.append(about(p, READ_STORY + ' ' + WORD_NOTE, [
        word_in(p, 2, 'made a low, steady buzzing sound', 'whirred'),
        word_in(p, 3, 'made a deep, unhappy sound', 'groaned'),
        word_in(p, 5, 'became too hot', 'overheated')]))
    qs.append(about(p, READ_STORY, [
        pq('What had gone wrong with the robot?',
           ['The battery had run out.',
            'A loose wire had touched another one, and the battery had overheated.',
            'One of the toothbrushes had snapped.',
            'The lid had been screwed on too tightly.'], 2, marks=2),
        pq('Grandma said, "Every inventor has failures. The clever ones learn from them." What did she mean?',
           ['Clever inventors never make mistakes.',
            'Aisha should give up and try a different hobby.',
            'Good inventors use their mistakes to make their work better.',
            'Inventions always fail the night before a fair.'], 3, marks=2)]))
    qs.append(about(p, READ_STORY, [
        pq('Who won first prize at the science fair?',
           ['Aisha', 'a boy from Year 5 who had built a weather station',
            'Aisha\'s grandmother', 'a scientist from the local university'], 2),
        number_in(p, 'For how many years had Grandma been a radio engineer?', 30, shown='thirty years'),
        number_in(p, 'For how many minutes did the judge ask Aisha questions?', 10, shown='ten minutes')]))
    qs.append(about(p, READ_STORY, [
        pq('Why did the judge give Aisha a certificate?',
           ['Her robot was the fastest at the fair.',
            'She showed how she had found and solved a problem.',
            'Her grandmother had been an engineer.',
            'She had come second in the competition.'], 2, marks=2),
        pq('Which of these best describes how Aisha\'s feelings change during the story?',
           ['from upset and hopeless to proud and surprised',
            'from happy and calm to angry and jealous',
            'from bored and tired to excited and nervous',
            'from proud and pleased to sad and lonely'], 1, marks=2)]))
    qs.append(about(s, READ_TEXT, [
        number_in(s, 'In which year were the first modern Olympic Games held?', 1896),
        number_in(s, 'In which year did 42.195 kilometres become the official length of the marathon?', 1921),
        number_in(s, 'In which year were the Olympic Games held in London, according to the passage?', 1908)]))
    qs.append(about(s, READ_TEXT, [
        pq('Where does the marathon get its name from?',
           ['the name of the first winner',
            'the town of Marathon in an old Greek legend',
            'the Greek word for "long"',
            'a castle near London'], 2),
        pq('Why was the home crowd delighted in 1896?',
           ['The race was very short.',
            'The winner of the race was Greek.',
            'Pheidippides won the race.',
            'The runners wore colourful costumes.'], 2, marks=2)]))
    qs.append(about(s, READ_TEXT + ' ' + WORD_NOTE, [
        word_in(s, 2, 'fell down suddenly', 'collapsed'),
        word_in(s, 2, 'gave people the wish to do something', 'inspired'),
        word_in(s, 4, 'changed; was not always the same', 'varied')]))
    qs.append(about(s, READ_TEXT, [
        pq('Why is the marathon such an unusual distance?',
           ['It is exactly the distance Pheidippides ran.',
            'The 1908 course was planned to go from Windsor Castle to the royal family\'s seats.',
            'It is one hundred laps of a school track.',
            'The first runners got lost and ran too far.'], 2, marks=2),
        pm('What was Spyridon Louis\'s job?',
           ['water-carrier', 'water carrier', 'a water-carrier', 'a water carrier',
            'he was a water-carrier', 'he was a water carrier']),
        pm('What was the name of the messenger in the legend?', ['Pheidippides'])]))
    qs.append(about(s, READ_TEXT, [
        pq('The writer says that "as Pheidippides might agree, it is wise not to push the body '
           'too hard". Why does the writer mention Pheidippides here?',
           ['because in the legend he won an Olympic medal',
            'because in the legend he ran so hard that he died',
            'because he trained for several months',
            'because he was the first person to walk a marathon'], 2, marks=2),
        pq('Which of these sentences is true, according to the passage?',
           ['Only top athletes may run in a marathon.',
            'Some people walk much of the way.',
            'All runners finish in about two hours.',
            'Training for a marathon takes only a few days.'], 2),
        pq('"Historians are not sure whether this really happened." This tells us that',
           ['the story of Pheidippides may not be true.',
            'historians have proved the story is true.',
            'nobody has ever heard of Pheidippides.',
            'the battle never took place.'], 1)]))
    return qs


# ---------------------------------------------------------------------------
# Checks and output
# ---------------------------------------------------------------------------

TOPICS = [
    ('Punctuation and Sentence Combining', 121,
     [paper_121, paper_122, paper_123, paper_124, paper_125]),
    ('Comprehension', 126,
     [paper_126, paper_127, paper_128, paper_129, paper_130]),
]
FIRST_ID, LAST_ID = 11301, 11400
PASSAGES = [BLUE_HERON, SEA_OTTERS, CAMP_LETTER, BRAILLE, RELAY, REEF,
            FARM_DIARY, PENGUINS, CRUMB_CATCHER, MARATHON]

ALLOWED_TAGS = {'p', 'b', 'i', 'br', 'ol', 'li', 'span', 'div'}
ALLOWED_CLASSES = {'part', 'options', 'passage', 'blank'}


def check_key(kind, key):
    assert '\t' not in key and '\n' not in key and '\r' not in key, key
    assert '>' not in key and '#' not in key, key
    if kind == 'Q':
        assert re.fullmatch(r'[1-4]', key), key
    elif kind == 'N':
        assert re.fullmatch(r'\d+(\.\d+)?', key), key
    elif kind in ('T', 'L'):
        assert key.strip() and key == key.strip(), key
    elif kind in ('M', 'G'):
        if key == ' ':
            assert kind == 'G'
            return
        assert key.startswith(';') and len(key) > 1, key
        alts = key[1:].split(';')
        assert all(a.strip() and a == a.strip() for a in alts), key
        low = [a.lower() for a in alts]
        assert len(set(low)) == len(low), key
    else:
        raise AssertionError('type ' + kind)


def check_html(q):
    body = '\n'.join(q.html)
    for line in q.html:
        assert line and not line.startswith(('#', '==', 'answer:', 'instruction:')), line
    for m in re.finditer(r'<(/?)([a-z]+)([^>]*)>', body):
        assert m.group(2) in ALLOWED_TAGS, m.group(0)
        for cls in re.findall(r'class="([^"]*)"', m.group(3)):
            assert cls in ALLOWED_CLASSES, cls
        assert 'style' not in m.group(3) and 'href' not in m.group(3), m.group(0)
    stripped = re.sub(r'<[^>]*>', '', body)
    assert '<' not in stripped and '>' not in stripped, q.qid
    for m in re.finditer(r'&', stripped):
        assert re.match(r'&(nbsp|mdash|ndash|amp|lt|gt|deg);', stripped[m.start():]), q.qid
    for tag in ('p', 'ol', 'li', 'div', 'b', 'i', 'span'):
        opened = len(re.findall(r'<%s[ >]' % tag, body))
        assert opened == body.count('</%s>' % tag), (q.qid, tag)
    assert q.instruction and '<' not in q.instruction and '&' not in q.instruction, q.qid
    # multiple choice: one list of four options for every Q slot
    nq = sum(1 for a in q.answers if a[0] == 'Q')
    assert body.count('<ol class="options">') == nq, q.qid
    for ol in re.findall(r'<ol class="options">(.*?)</ol>', body):
        assert ol.count('<li>') == 4, q.qid
    # parts labelled (a), (b), ... one per slot, in order
    n = len(q.answers)
    labels = re.findall(r'\(([a-t])\)', ' '.join(l for l in q.html if l.startswith('<p class="part">')))
    if n > 1:
        assert labels == list(LETTERS[:n]), (q.qid, labels)
    else:
        assert not labels, q.qid


def check_paper(qs):
    assert len(qs) == 10
    slots = sum(len(q.answers) for q in qs)
    marks = sum(a[1] for q in qs for a in q.answers)
    assert 1 <= slots <= 80, slots
    assert 20 <= marks <= 100, marks
    for q in qs:
        assert 1 <= len(q.answers) <= 20, q.qid
        for kind, mark, key in q.answers:
            assert mark in (1, 2), q.qid
            check_key(kind, key)
        # groups: a G head, then followers; enough alternatives
        i = 0
        keys = q.answers
        while i < len(keys):
            kind, _, key = keys[i]
            if kind == 'G':
                assert key != ' ', q.qid
                j = i + 1
                while j < len(keys) and keys[j][2] == ' ':
                    assert keys[j][0] == 'G'
                    j += 1
                assert j - i >= 2 and len(key[1:].split(';')) >= j - i, q.qid
                i = j
            else:
                assert key != ' ', q.qid
                i += 1
        check_html(q)
    return slots, marks


def render_paper(title, index, qs):
    out = ['# %s, paper %d' % (title, index),
           '# Written by course/tools/gen_english_t5_t6.py; edit the script, not this file.', '']
    for q in qs:
        out.append('== %05d' % q.qid)
        out.append('instruction: ' + q.instruction)
        out.extend(q.html)
        for kind, mark, key in q.answers:
            out.append('answer: %s %d %s' % (kind, mark, '[space]' if key == ' ' else key))
        out.append('')
    return '\n'.join(out)


def main():
    for p in PASSAGES:
        assert 250 <= p.words() <= 450, (p.title, p.words())
    next_id = FIRST_ID
    report = []
    files = []
    for title, first_paper, builders in TOPICS:
        for index, build in enumerate(builders, start=1):
            number = first_paper + index - 1
            assert build.__name__ == 'paper_%d' % number
            qs = build()
            for q in qs:
                q.qid = next_id
                next_id += 1
            slots, marks = check_paper(qs)
            report.append('%d  %-36s questions %2d  slots %2d  marks %2d  ids %05d-%05d'
                          % (number, title, len(qs), slots, marks, qs[0].qid, qs[-1].qid))
            files.append((number, render_paper(title, index, qs)))
    assert next_id - 1 == LAST_ID, next_id
    os.makedirs(ENGLISH, exist_ok=True)
    for number, text in files:
        with open(os.path.join(ENGLISH, '%d.txt' % number), 'w', encoding='utf-8', newline='\n') as fh:
            fh.write(text)
    for line in report:
        print(line)
    for p in PASSAGES:
        print('passage %-50s %d words' % (p.title, p.words()))


if __name__ == '__main__':
    main()
